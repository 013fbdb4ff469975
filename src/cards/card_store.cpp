#include "cards/card_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace plenwick {

namespace {

// The system code page on Windows; UTF-8 on Linux and macOS, whatever the
// process locale says. A file that is not valid in it is read byte for byte
// as Latin-1 rather than refused.
#if defined(Q_OS_WIN)
constexpr auto kCardFileEncoding = QStringConverter::System;
#else
constexpr auto kCardFileEncoding = QStringConverter::Utf8;
#endif

QString decodeCardFile(const QByteArray& bytes)
{
    QStringDecoder decoder(kCardFileEncoding);
    const QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString::fromLatin1(bytes) : text;
}

QByteArray encodeCardFile(const QString& text)
{
    QStringEncoder encoder(kCardFileEncoding);
    return encoder.encode(text);
}

bool folderCanBeWritten(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".plenwick-probe-XXXXXX")));
    return probe.open();
}

QString freeNameBeside(const QString& path, const QString& suffix)
{
    QString candidate = path + suffix;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = QStringLiteral("%1%2-%3").arg(path, suffix).arg(n);
    return candidate;
}

} // namespace

bool filethere(const QString& fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly);
}

std::optional<QString> LogIt(const QString& fileName, const QString& strin)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return file.errorString();
    const QByteArray bytes = encodeCardFile(strin + QStringLiteral("\r\n"));
    if (file.write(bytes) != bytes.size() || !file.flush())
        return file.errorString();
    return std::nullopt;
}

QString chooseCardFilePath(const QString& programFolder, const QString& userDataFolder)
{
    const bool installed = QFileInfo::exists(
        QDir(programFolder).filePath(QStringLiteral("../share/applications/%1").arg(QLatin1String(kDesktopEntryName))));
    if (!installed && folderCanBeWritten(programFolder))
        return QDir(programFolder).filePath(QString::fromLatin1(CardStore::kFileName));
    QDir().mkpath(userDataFolder);
    return QDir(userDataFolder).filePath(QString::fromLatin1(CardStore::kFileName));
}

CardStore::CardStore(QString path)
    : m_path(std::move(path))
{
}

LoadedCards CardStore::load() const
{
    LoadedCards loaded;
    if (!filethere(m_path))
        return loaded;
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return loaded;
    const QByteArray bytes = file.readAll();
    loaded.contents = readCardFileText(decodeCardFile(bytes));
    if (!loaded.contents.wholeFile) {
        const QString copy = freeNameBeside(m_path, QStringLiteral(".unreadable"));
        if (QFile::copy(m_path, copy))
            loaded.keptCopy = copy;
    }
    return loaded;
}

std::optional<QString> CardStore::save(const QString& text) const
{
    // The trailing CR LF comes from LogIt.
    QString body = text;
    if (body.endsWith(QStringLiteral("\r\n")))
        body.chop(2);

    const QString fresh = freeNameBeside(m_path, QStringLiteral(".saving"));
    if (auto failure = LogIt(fresh, body)) {
        QFile::remove(fresh);
        return failure;
    }
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(fresh.toStdU16String()),
                            std::filesystem::path(m_path.toStdU16String()), error);
    if (error) {
        QFile::remove(fresh);
        return QString::fromStdString(error.message());
    }
    return std::nullopt;
}

} // namespace plenwick
