#include "textfile/text_lines.h"

#include <QStringDecoder>

namespace plenwick {

QString decodeLine(QByteArrayView line)
{
    // Stateless: a sequence cut off at the line's end is an error, not a
    // character left waiting for more bytes. A byte order mark inside the
    // text is a character like any other.
    QStringDecoder utf8(QStringConverter::Utf8,
                        QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    const QString text = utf8.decode(line);
    return utf8.hasError() ? QString::fromLatin1(line) : text;
}

QStringList readLines(QByteArrayView bytes)
{
    QStringList lines;
    // A byte order mark starts some files written by other editors.
    qsizetype from = bytes.startsWith(QByteArrayView("\xef\xbb\xbf")) ? 3 : 0;
    for (;;) {
        const qsizetype end = bytes.indexOf(QByteArrayView("\r\n"), from);
        lines.append(decodeLine(bytes.sliced(from, (end < 0 ? bytes.size() : end) - from)));
        if (end < 0)
            return lines;
        from = end + 2;
    }
}

} // namespace plenwick
