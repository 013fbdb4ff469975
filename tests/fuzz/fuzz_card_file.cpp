// Reading the card file, writing it back, and the balance advance.
#include "cards/card_file.h"
#include "fuzz_check.h"
#include "textfile/text_lines.h"

#include <utility>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArrayView bytes(data, static_cast<qsizetype>(size));

    // Whatever the file holds, every row read is six fields free of "|" and
    // line ends that a box can hold.
    const CardFileContents read = readCardFile(bytes);
    for (const CardRow& row : read.book)
        for (const QString& field : row.fields)
            FUZZ_CHECK(!field.contains(u'|') && !field.contains(u"\r\n") && field.size() <= kMostFieldChars);

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

    // The advance touches only totals, and leaves none below $0.00.
    CardBook advanced = book;
    AdvanceBalances(advanced, static_cast<int>(size % 40));
    for (std::size_t row = 0; row < book.size(); ++row) {
        const QString total = std::exchange(advanced[row].fields[CardRow::TotalDue], book[row][CardRow::TotalDue]);
        FUZZ_CHECK(total == book[row][CardRow::TotalDue] || !total.startsWith(u'-'));
    }
    FUZZ_CHECK(advanced == book);
    return 0;
}
