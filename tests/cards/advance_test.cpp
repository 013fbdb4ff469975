#include "cards/card_file.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(MonthsToAdvance, CountsCalendarMonthsBegunSinceTheSave)
{
    EXPECT_EQ(monthsToAdvance(QDate(2026, 1, 31), QDate(2026, 2, 1)), 1);
    EXPECT_EQ(monthsToAdvance(QDate(2026, 1, 15), QDate(2026, 3, 20)), 2);
    EXPECT_EQ(monthsToAdvance(QDate(2025, 6, 10), QDate(2026, 6, 1)), 12);
    EXPECT_EQ(monthsToAdvance(QDate(2025, 12, 31), QDate(2026, 1, 1)), 1);
    EXPECT_EQ(monthsToAdvance(QDate(2026, 3, 1), QDate(2026, 3, 31)), 0);
    EXPECT_EQ(monthsToAdvance(QDate(2027, 5, 1), QDate(2026, 3, 31)), 0); // saved "in the future"
}

CardBook bookWith(const char* totalDue, const char* actualPayment)
{
    CardBook book;
    book[1][CardRow::TotalDue] = QString::fromUtf8(totalDue);
    book[1][CardRow::ActualPayment] = QString::fromUtf8(actualPayment);
    return book;
}

QString advanced(const char* totalDue, const char* actualPayment, int months)
{
    CardBook book = bookWith(totalDue, actualPayment);
    AdvanceBalances(book, months);
    return book[1][CardRow::TotalDue];
}

TEST(AdvanceBalances, LowersEachTotalByThePaymentsMade)
{
    EXPECT_EQ(advanced("$100.00", "$30.00", 3), QStringLiteral("$10.00"));
    EXPECT_EQ(advanced("$100.00", "$30.00", 4), QStringLiteral("$0.00"));
    EXPECT_EQ(advanced("1,234.56", "33.3333", 3), QStringLiteral("$1,134.56"));
    EXPECT_EQ(advanced("$5,000.00", "$150.00", 12), QStringLiteral("$3,200.00"));
    EXPECT_EQ(advanced("$100.00", "-$10.00", 2), QStringLiteral("$120.00"));
}

TEST(AdvanceBalances, LeavesTotalsWithNothingToLower)
{
    for (const char* total : {"", "$0.00", "-$20.00"}) {
        EXPECT_EQ(advanced(total, "", 2), QString::fromUtf8(total));
        EXPECT_EQ(advanced(total, "$5.00", 2), QString::fromUtf8(total));
    }
}

TEST(AdvanceBalances, LeavesARowWhoseAmountsCannotBeRead)
{
    EXPECT_EQ(advanced("$100.00", "", 2), QStringLiteral("$100.00"));
    EXPECT_EQ(advanced("$100.00", "a lot", 2), QStringLiteral("$100.00"));
    EXPECT_EQ(advanced("plenty", "$5.00", 2), QStringLiteral("plenty"));
}

TEST(AdvanceBalances, TouchesOnlyTheTotals)
{
    CardBook book = bookWith("$100.00", "$30.00");
    book[0][CardRow::TotalDue] = QStringLiteral("250");
    book[0][CardRow::ActualPayment] = QStringLiteral("$50");
    CardBook expected = book;
    expected[0][CardRow::TotalDue] = QStringLiteral("$150.00");
    expected[1][CardRow::TotalDue] = QStringLiteral("$40.00");
    AdvanceBalances(book, 2);
    EXPECT_EQ(book, expected);
}

} // namespace
} // namespace plenwick
