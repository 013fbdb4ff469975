#include "cards/card_file.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

const QByteArray kStamp = "3/14/2008 9:05:12 PM\r\n";
const QByteArray kGold = "Gold|$1|2|$3|$4|$5\r\n";
const QByteArray kEmptyRows = QByteArray("|||||\r\n").repeated(4);

TEST(CardFile, ReadsEachRowOnItsOwn)
{
    // The bytes, and the rows' first fields joined by "/", with what is amiss.
    const QByteArray longField(32767, 'x');
    const std::pair<QByteArray, QString> cases[] = {
        {kStamp + kGold + kEmptyRows, "Gold////"},
        {kStamp + "Go|" + kGold + "Tin|||||\r\n" + kEmptyRows, "/Tin/// broken"}, // a "|" in a name
        {kStamp + "Gold|$1|2|$3|$4\r\n" + kEmptyRows, "//// broken"},
        {kStamp + kGold + "Tin|||||\r\nLead|||||", "Gold/Tin/Lead//"}, // fewer rows, the last unended: the rest empty
        {kStamp, "////"},
        {"\r\n", "//// undated"},
        {"3/14/2008 9:05:12 PM\nGold|$1|2|$3|$4|$5\n", "//// broken undated"}, // line feeds only
        {"spring\r\n" + kGold + kEmptyRows, "Gold//// undated"},
        {"", "//// undated"},
        {kStamp + "Caf\xc3\xa9|||||\r\nCaf\xe9|||||\r\nCaf\xc3" + kEmptyRows.left(21), "Café/Café/Caf\u00c3//"},
        // The longest field a box holds, and one more character.
        {kStamp + longField + "|||||\r\n" + kEmptyRows, longField + "////"},
        {kStamp + longField + "x|||||\r\nTin" + kEmptyRows, "/Tin/// broken"},
    };
    for (const auto& [bytes, expected] : cases) {
        const CardFileContents read = readCardFile(bytes);
        QStringList shown;
        for (const CardRow& row : read.book)
            shown << row[CardRow::Name];
        EXPECT_EQ(shown.join('/') + (read.wholeFile ? "" : " broken") + (read.savedAt ? "" : " undated"), expected)
            << bytes.left(60).toStdString();
    }
}

TEST(CardFile, WritesAUsTimeStampAndARowALineWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CardBook book;
    book[0].fields = {"Gold card", "$25.00", "18.90", "$1,234.50", "$35.00", "$100.00"};
    book[2].fields = {"  Café “Ünïcode” €\r", "\n", "", "-$5.00", " ", "x"};
    const std::string rows = "\r\nGold card|$25.00|18.90|$1,234.50|$35.00|$100.00\r\n|||||\r\n"
                             "  Café “Ünïcode” €\r|\n||-$5.00| |x\r\n|||||\r\n|||||\r\n";
    // A time of exactly midnight is written as the date alone.
    const std::pair<QString, std::string> cases[] = {
        {"2008-03-14T21:05:12", "3/14/2008 9:05:12 PM"},
        {"2026-12-06T00:30:05", "12/6/2026 12:30:05 AM"},
        {"2026-01-02T00:00:00", "1/2/2026"},
    };
    for (const auto& [iso, stamp] : cases) {
        const QDateTime savedAt = QDateTime::fromString(iso, Qt::ISODate);
        const QString text = cardFileText(book, savedAt);
        EXPECT_EQ(text.toStdString(), stamp + rows);
        const CardFileContents read = readCardFile(text.toUtf8());
        EXPECT_EQ(std::tie(read.book, read.savedAt), std::tie(book, savedAt)) << stamp;
    }
    EXPECT_EQ(readTimeStamp(QStringLiteral("14.03.2008 21:05")), std::nullopt);
    QLocale::setDefault(QLocale::c());
}

TEST(CardFile, MonthsToAdvanceCountCalendarMonthsBegun)
{
    // "saved on|today|months"
    for (const char* row : {"2026-01-31|2026-02-01|1", "2026-01-15|2026-03-20|2", "2025-06-10|2026-06-01|12",
                            "2025-12-31|2026-01-01|1", "2026-03-01|2026-03-31|0", "2027-05-01|2026-03-31|0"}) {
        const QStringList fields = QString::fromLatin1(row).split('|');
        EXPECT_EQ(monthsToAdvance(QDate::fromString(fields[0], Qt::ISODate), QDate::fromString(fields[1], Qt::ISODate)),
                  fields[2].toInt())
            << row;
    }
}

TEST(CardFile, AdvanceLowersPositiveTotalsByThePaymentsMade)
{
    // "total|payment|months|the total afterwards". Paid past the money range a
    // total is cleared; raised past it, it is left.
    for (const char* c :
         {"$100.00|$30.00|3|$10.00", "$100.00|$30.00|4|$0.00", "1,234.56|33.3333|3|$1,134.56",
          "$100.00|-$10.00|2|$120.00", "$100.00|900000000000000|12|$0.00", "$100.00|-900000000000000|12|$100.00",
          "900000000000000|-100000000000000|1|900000000000000", "|$5.00|2|", "0|$5.00|2|0", "-$20.00|$5.00|2|-$20.00",
          "$100.00||2|$100.00", "plenty|$5.00|2|plenty"}) {
        const QStringList row = QString::fromUtf8(c).split('|');
        CardBook book;
        book[1].fields = {"Gold", "$9", "9", row[0], "$9", row[1]};
        CardBook expected = book;
        expected[1][CardRow::TotalDue] = row[3];
        AdvanceBalances(book, row[2].toInt());
        EXPECT_EQ(book, expected) << c;
    }
}

} // namespace
} // namespace plenwick
