// Reading the card file and writing it back.
#include "cards/card_file.h"
#include "fuzz_check.h"
#include "textfile/text_lines.h"

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));
    readCardFile(bytes); // whatever the file holds

    // A file written from any rows a box can hold reads back the same rows:
    // thirty fields cut from the input, as boxes that cannot hold a "|" would.
    const QStringList pieces = decodeLine(bytes).split(QChar(u'\x1f'));
    CardBook book;
    for (int at = 0; at < 5 * CardRow::FieldCount && at < pieces.size(); ++at)
        book[at / CardRow::FieldCount].fields[at % CardRow::FieldCount] =
            pieces[at].left(kMostFieldChars).remove(u'|').replace("\r\n", " ");
    const QDateTime savedAt(QDate(2026, 3, 14), QTime(21, 5, 12));
    const CardFileContents again = readCardFile(cardFileText(book, savedAt).toUtf8());
    FUZZ_CHECK(again.wholeFile && again.book == book && again.savedAt == savedAt);
    return 0;
}
