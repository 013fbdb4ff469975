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
    // What, the bytes, the rows' first fields joined by "/", whether whole and dated.
    const QByteArray longField(32767, 'x'), longNames = longField + "////";
    const std::tuple<const char*, QByteArray, const char*, bool, bool> cases[] = {
        {"as written", kStamp + kGold + kEmptyRows, "Gold////", true, true},
        {"no final line end", kStamp + kGold + kEmptyRows.chopped(2), "Gold////", true, true},
        {"a \"|\" in a name", kStamp + "Go|" + kGold + "Tin|||||\r\n" + kEmptyRows, "/Tin///", false, true},
        {"five fields", kStamp + "Gold|$1|2|$3|$4\r\n" + kEmptyRows, "////", false, true},
        {"three rows", kStamp + kGold + "Tin|||||\r\nLead|||||\r\n", "Gold/Tin/Lead//", true, true},
        {"line feeds only", "3/14/2008 9:05:12 PM\nGold|$1|2|$3|$4|$5\n", "////", false, false},
        {"no time-stamp", "spring\r\n" + kGold + kEmptyRows, "Gold////", true, false},
        {"empty", "", "////", true, false},
        {"a line end only", "\r\n", "////", true, false},
        {"a time-stamp only", kStamp, "////", true, true},
        {"lines past the sixth", kStamp + kGold + kEmptyRows + "x\r\n", "Gold////", true, true},
        {"BOM", "\xef\xbb\xbf" + kStamp + kGold + "\xef\xbb\xbfTin" + kEmptyRows, "Gold/\ufeffTin///", true, true},
        {"Latin-1", kStamp + "Caf\xc3\xa9|||||\r\nCaf\xe9|||||\r\nCaf\xc3" + kEmptyRows.left(21),
         "Café/Café/Caf\u00c3//", true, true},
        {"a field a box holds", kStamp + longField + "|||||\r\n" + kEmptyRows, longNames.constData(), true, true},
        {"a field too long", kStamp + longField + "x|||||\r\nTin" + kEmptyRows, "/Tin///", false, true},
    };
    for (const auto& [what, bytes, names, whole, dated] : cases) {
        const CardFileContents read = readCardFile(bytes);
        QStringList shown;
        for (const CardRow& row : read.book)
            shown << row[CardRow::Name];
        EXPECT_EQ(std::tuple(shown.join('/'), read.wholeFile, read.savedAt.has_value()),
                  std::tuple(QString::fromUtf8(names), whole, dated))
            << what;
    }
}

TEST(CardFile, WhatIsWrittenReadsBackWithItsUsTimeStampWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    CardBook book;
    book[0].fields = {"Gold card", "$25.00", "18.90", "$1,234.50", "$35.00", "$100.00"};
    book[2].fields = {"  Café “Ünïcode” €\r", "\n", "", "-$5.00", " ", QString(32767, '9')};
    const std::pair<QDateTime, const char*> cases[] = {
        {QDateTime(QDate(2008, 3, 14), QTime(21, 5, 12)), "3/14/2008 9:05:12 PM"},
        {QDateTime(QDate(2026, 12, 6), QTime(0, 30, 5)), "12/6/2026 12:30:05 AM"},
        {QDateTime(QDate(2026, 12, 6), QTime(12, 0)), "12/6/2026 12:00:00 PM"},
        {QDateTime(QDate(2026, 1, 2), QTime(0, 0)), "1/2/2026"},
    };
    for (const auto& [savedAt, stamp] : cases) {
        SCOPED_TRACE(stamp);
        const QString text = cardFileText(book, savedAt);
        EXPECT_TRUE(text.startsWith(QLatin1String(stamp) + "\r\nGold card|$25.00|18.90|$1,234.50|$35.00|$100.00\r\n"
                                                           "|||||\r\n  Café"));
        EXPECT_TRUE(text.endsWith("\r\n|||||\r\n|||||\r\n"));
        const CardFileContents read = readCardFile(text.toUtf8());
        EXPECT_EQ(std::tie(read.book, read.savedAt), std::tie(book, savedAt));
    }
    for (const char* text : {"14.03.2008 21:05", "13/40/2008", ""})
        EXPECT_FALSE(readTimeStamp(QLatin1String(text))) << text;
    QLocale::setDefault(QLocale::c());
}

TEST(CardFile, MonthsToAdvanceCountCalendarMonthsBegun)
{
    const std::tuple<QDate, QDate, int> cases[] = {
        {QDate(2026, 1, 31), QDate(2026, 2, 1), 1},  {QDate(2026, 1, 15), QDate(2026, 3, 20), 2},
        {QDate(2025, 6, 10), QDate(2026, 6, 1), 12}, {QDate(2025, 12, 31), QDate(2026, 1, 1), 1},
        {QDate(2026, 3, 1), QDate(2026, 3, 31), 0},  {QDate(2027, 5, 1), QDate(2026, 3, 31), 0},
    };
    for (const auto& [saved, today, months] : cases)
        EXPECT_EQ(monthsToAdvance(saved, today), months) << saved.toString().toStdString();
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
        CardBook book, expected;
        book[1].fields = {"Gold", "$9", "9", row[0], "$9", row[1]};
        expected[1].fields = {"Gold", "$9", "9", row[3], "$9", row[1]};
        AdvanceBalances(book, row[2].toInt());
        EXPECT_EQ(book, expected) << c;
    }
}

} // namespace
} // namespace plenwick
