#include "cards/card_file.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

const QString kEmptyRow = QStringLiteral("|||||\r\n");

CardRow goldCard()
{
    CardRow row;
    row.fields = {QStringLiteral("Gold card"), QStringLiteral("$25.00"), QStringLiteral("18.90"),
                  QStringLiteral("$1,234.50"), QStringLiteral("$35.00"), QStringLiteral("$100.00")};
    return row;
}

const QDateTime kSavedAt(QDate(2008, 3, 14), QTime(21, 5, 12));

TEST(CardFileText, AnEmptyBookIsATimeStampAndFiveEmptyRows)
{
    EXPECT_EQ(cardFileText(CardBook{}, kSavedAt), QStringLiteral("3/14/2008 9:05:12 PM\r\n") + kEmptyRow.repeated(5));
    const auto read = readCardFileText(cardFileText(CardBook{}, kSavedAt));
    EXPECT_EQ(read.book, CardBook{});
    EXPECT_TRUE(read.wholeFile);
}

TEST(CardFileText, ReadsAFileWrittenElsewhereFieldForField)
{
    const QString text = QStringLiteral("3/14/2008 9:05:12 PM\r\nGold card|$25.00|18.90|$1,234.50|$35.00|$100.00\r\n") +
                         kEmptyRow.repeated(4);
    const auto read = readCardFileText(text);
    EXPECT_EQ(read.book[0], goldCard());
    for (std::size_t row = 1; row < read.book.size(); ++row)
        EXPECT_EQ(read.book[row], CardRow{});
    EXPECT_EQ(read.savedAt, kSavedAt);
    EXPECT_TRUE(read.wholeFile);
}

TEST(CardFileText, WhatIsWrittenReadsBackCharacterForCharacter)
{
    CardBook book;
    book[0] = goldCard();
    book[2].fields = {QStringLiteral("  Café “Ünïcode” €  "),
                      QStringLiteral("abc"),
                      QString(),
                      QStringLiteral("-$5.00"),
                      QStringLiteral(" "),
                      QStringLiteral("1234.5")};
    book[4][CardRow::Name] = QStringLiteral("Hidden fifth card");
    const auto read = readCardFileText(cardFileText(book, kSavedAt));
    EXPECT_EQ(read.book, book);
    EXPECT_TRUE(read.wholeFile);
}

TEST(CardFileText, ARowThatDoesNotSplitIntoSixFieldsStaysEmpty)
{
    const QString text = QStringLiteral("3/14/2008 9:05:12 PM\r\n"
                                        "Gold|card|$25.00|18.90|$1,234.50|$35.00|$100.00\r\n" // a "|" in the name
                                        "Five|fields|only|here|\r\n"
                                        "Silver|$0.00|9.90|$10.00|$1.00|$2.00\r\n"
                                        "|||||\r\n|||||\r\nextra line that is ignored\r\n");
    const auto read = readCardFileText(text);
    EXPECT_EQ(read.book[0], CardRow{});
    EXPECT_EQ(read.book[1], CardRow{});
    EXPECT_EQ(read.book[2][CardRow::Name], QStringLiteral("Silver"));
    EXPECT_FALSE(read.wholeFile);
}

TEST(CardFileText, OnlyCarriageReturnWithLineFeedEndsALine)
{
    for (const char* lineEnd : {"\n", "\r"}) {
        const QString text = QStringLiteral("3/14/2008 9:05:12 PM") + QLatin1String(lineEnd) +
                             QStringLiteral("Silver|$0.00|9.90|$10.00|$1.00|$2.00");
        const auto read = readCardFileText(text);
        EXPECT_EQ(read.book, CardBook{}) << "line end " << int(lineEnd[0]);
        EXPECT_FALSE(read.savedAt);
        EXPECT_FALSE(read.wholeFile);
    }
}

TEST(CardFileText, MissingRowLinesLeaveRowsEmptyAndTheFileIsNotWhole)
{
    const auto read = readCardFileText(QStringLiteral("3/14/2008 9:05:12 PM\r\nSilver|$0.00|9.90|$10.00|$1.00|$2.00"));
    EXPECT_EQ(read.book[0][CardRow::Name], QStringLiteral("Silver"));
    EXPECT_FALSE(read.wholeFile);

    const auto empty = readCardFileText(QString());
    EXPECT_EQ(empty.book, CardBook{});
    EXPECT_TRUE(empty.wholeFile); // nothing there to lose
}

TEST(CardFileText, AnUnreadableTimeStampStillGivesTheRows)
{
    const auto read =
        readCardFileText(QStringLiteral("sometime in spring\r\nGold card|$25.00|18.90|$1,234.50|$35.00|$100.00\r\n") +
                         kEmptyRow.repeated(4));
    EXPECT_FALSE(read.savedAt);
    EXPECT_EQ(read.book[0], goldCard());
    EXPECT_TRUE(read.wholeFile);
}

TEST(TimeStamp, IsWrittenInUsFormWhateverTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(timeStampText(kSavedAt), QStringLiteral("3/14/2008 9:05:12 PM"));
    EXPECT_EQ(timeStampText(QDateTime(QDate(2026, 12, 6), QTime(0, 30, 5))), QStringLiteral("12/6/2026 12:30:05 AM"));
    EXPECT_EQ(timeStampText(QDateTime(QDate(2026, 12, 6), QTime(12, 0, 0))), QStringLiteral("12/6/2026 12:00:00 PM"));
    EXPECT_EQ(timeStampText(QDateTime(QDate(2026, 1, 2), QTime(0, 0))), QStringLiteral("1/2/2026"));
    QLocale::setDefault(before);
}

TEST(TimeStamp, ReadsBackWithOrWithoutTheTime)
{
    EXPECT_EQ(readTimeStamp(QStringLiteral("3/14/2008 9:05:12 PM")), kSavedAt);
    EXPECT_EQ(readTimeStamp(QStringLiteral("12/6/2026 12:30:05 AM")), QDateTime(QDate(2026, 12, 6), QTime(0, 30, 5)));
    EXPECT_EQ(readTimeStamp(QStringLiteral("1/2/2026")), QDateTime(QDate(2026, 1, 2), QTime(0, 0)));
    EXPECT_FALSE(readTimeStamp(QStringLiteral("14.03.2008 21:05")));
    EXPECT_FALSE(readTimeStamp(QStringLiteral("13/40/2008")));
    EXPECT_FALSE(readTimeStamp(QString()));
}

} // namespace
} // namespace plenwick
