#include "cards/card_file.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

const QDateTime kSavedAt(QDate(2008, 3, 14), QTime(21, 5, 12));
const QByteArray kEmptyRows = QByteArray("|||||\r\n").repeated(4);

// The first field of each row, joined by "/".
QString namesOf(const CardBook& book)
{
    QStringList names;
    for (const CardRow& row : book)
        names << row[CardRow::Name];
    return names.join(QLatin1Char('/'));
}

TEST(CardFile, ReadsEachRowOnItsOwn)
{
    struct Case {
        const char* what;
        QByteArray bytes;
        const char* names;
        bool whole;
        bool dated;
    };
    const QByteArray stamp = "3/14/2008 9:05:12 PM\r\n";
    const Case cases[] = {
        {"as written", stamp + "Gold|$1|2|$3|$4|$5\r\n" + kEmptyRows, "Gold////", true, true},
        {"no final line end", stamp + "Gold|$1|2|$3|$4|$5\r\n" + kEmptyRows.chopped(2), "Gold////", true, true},
        {"a \"|\" in a name", stamp + "Go|ld|$1|2|$3|$4|$5\r\nTin|||||\r\n|||||\r\n|||||\r\n|||||\r\n", "/Tin///",
         false, true},
        {"five fields", stamp + "Gold|$1|2|$3|$4\r\n" + kEmptyRows, "////", false, true},
        {"rows missing", stamp + "Gold|$1|2|$3|$4|$5", "Gold////", false, true},
        {"line feeds only", "3/14/2008 9:05:12 PM\nGold|$1|2|$3|$4|$5\n", "////", false, false},
        {"no time-stamp", "spring\r\nGold|$1|2|$3|$4|$5\r\n" + kEmptyRows, "Gold////", true, false},
        {"empty", "", "////", true, false},
        {"lines past the sixth", stamp + "Gold|$1|2|$3|$4|$5\r\n" + kEmptyRows + "x\r\n", "Gold////", true, true},
        {"byte order mark", "\xef\xbb\xbf" + stamp + "Gold|$1|2|$3|$4|$5\r\n" + kEmptyRows, "Gold////", true, true},
        {"one Latin-1 line", stamp + "Caf\xc3\xa9|||||\r\nCaf\xe9|||||\r\nCaf\xc3|||||\r\n|||||\r\n|||||\r\n",
         "Café/Café/Caf\u00c3//", true, true},
        {"a field a box holds", stamp + QByteArray(32767, 'x') + "|||||\r\n" + kEmptyRows, "", true, true},
        {"a field longer than a box", stamp + QByteArray(32768, 'x') + "|||||\r\nTin|||||\r\n|||||\r\n|||||\r\n|||||",
         "/Tin///", false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const CardFileContents read = readCardFile(c.bytes);
        if (*c.names)
            EXPECT_EQ(namesOf(read.book), QString::fromUtf8(c.names));
        else
            EXPECT_EQ(read.book[0][CardRow::Name].size(), 32767);
        EXPECT_EQ(read.wholeFile, c.whole);
        EXPECT_EQ(read.savedAt.has_value(), c.dated);
    }
}

TEST(CardFile, WhatIsWrittenReadsBackCharacterForCharacter)
{
    CardBook book;
    book[0].fields = {QStringLiteral("Gold card"), QStringLiteral("$25.00"), QStringLiteral("18.90"),
                      QStringLiteral("$1,234.50"), QStringLiteral("$35.00"), QStringLiteral("$100.00")};
    book[2].fields = {QStringLiteral("  Café “Ünïcode” €\r"),
                      QStringLiteral("\n"),
                      QString(),
                      QStringLiteral("-$5.00"),
                      QStringLiteral(" "),
                      QString(32767, QLatin1Char('9'))};
    const QString text = cardFileText(book, kSavedAt);
    EXPECT_TRUE(text.startsWith(QStringLiteral("3/14/2008 9:05:12 PM\r\nGold card|$25.00|18.90|$1,234.50|$35.00|"
                                               "$100.00\r\n|||||\r\n  Café")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n|||||\r\n|||||\r\n")));
    const CardFileContents read = readCardFile(text.toUtf8());
    EXPECT_EQ(read.book, book);
    EXPECT_EQ(read.savedAt, kSavedAt);
    EXPECT_TRUE(read.wholeFile);
}

TEST(CardFile, TimeStampsAreInUsFormWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const std::pair<QDateTime, const char*> cases[] = {
        {kSavedAt, "3/14/2008 9:05:12 PM"},
        {QDateTime(QDate(2026, 12, 6), QTime(0, 30, 5)), "12/6/2026 12:30:05 AM"},
        {QDateTime(QDate(2026, 12, 6), QTime(12, 0)), "12/6/2026 12:00:00 PM"},
        {QDateTime(QDate(2026, 1, 2), QTime(0, 0)), "1/2/2026"},
    };
    for (const auto& [moment, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(timeStampText(moment), QLatin1String(text));
        EXPECT_EQ(readTimeStamp(QLatin1String(text)), moment);
    }
    for (const char* text : {"14.03.2008 21:05", "13/40/2008", ""})
        EXPECT_FALSE(readTimeStamp(QLatin1String(text))) << text;
    QLocale::setDefault(before);
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
    struct Case {
        const char* total;
        const char* payment;
        int months;
        const char* after;
    };
    const Case cases[] = {
        {"$100.00", "$30.00", 3, "$10.00"},
        {"$100.00", "$30.00", 4, "$0.00"},
        {"1,234.56", "33.3333", 3, "$1,134.56"},
        {"$100.00", "-$10.00", 2, "$120.00"},
        {"$100.00", "$0.0001", 1, "$100.00"},
        {"$100.00", "900000000000000", 12, "$0.00"},    // paid past the money range
        {"$100.00", "-900000000000000", 12, "$100.00"}, // raised past it: left
        {"900000000000000", "-100000000000000", 1, "900000000000000"},
        {"", "$5.00", 2, ""},
        {"$0.00", "$5.00", 2, "$0.00"},
        {"-$20.00", "$5.00", 2, "-$20.00"},
        {"$100.00", "", 2, "$100.00"},
        {"$100.00", "a lot", 2, "$100.00"},
        {"plenty", "$5.00", 2, "plenty"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.total) + " less " + c.payment);
        CardBook book;
        book[1][CardRow::TotalDue] = QString::fromUtf8(c.total);
        book[1][CardRow::ActualPayment] = QString::fromUtf8(c.payment);
        book[3][CardRow::TotalDue] = QStringLiteral("250");
        book[3][CardRow::ActualPayment] = QStringLiteral("$50");
        CardBook expected = book;
        expected[1][CardRow::TotalDue] = QString::fromUtf8(c.after);
        expected[3][CardRow::TotalDue] = QStringLiteral("$%1.00").arg(std::max(0, 250 - 50 * c.months));
        AdvanceBalances(book, c.months);
        EXPECT_EQ(book, expected);
    }
}

} // namespace
} // namespace plenwick
