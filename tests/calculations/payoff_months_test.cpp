#include "calculations/payoff.h"

#include <gtest/gtest.h>

#include <string>

namespace plenwick {
namespace {

struct MonthsCase {
    std::string balance, rate, payment;
    std::string caption;
};

void PrintTo(const MonthsCase& c, std::ostream* os)
{
    *os << c.balance << " at " << c.rate << " paying [" << c.payment << "]";
}

class PayoffMonthsAnswers : public testing::TestWithParam<MonthsCase> { };

TEST_P(PayoffMonthsAnswers, GivesTheMonthCount)
{
    const auto& c = GetParam();
    const auto answer = PayoffMonths(c.balance, c.rate, c.payment);
    EXPECT_EQ(answer.caption, c.caption);
    EXPECT_EQ(answer.message, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, PayoffMonthsAnswers,
                         testing::Values(MonthsCase{"$1,000.00", "12.00", "$100.00", "11 months"},
                                         MonthsCase{"$1,000.00", "0.00", "$100.00", "10 months"},
                                         MonthsCase{"$100.00", "12.00", "$101.00", "1 months"},
                                         MonthsCase{"$0.00", "18.00", "$5.00", "0 months"},
                                         MonthsCase{"$1,500.00", "18.00", "100", "18 months"}));

// A text that cannot be read counts as 0.
INSTANTIATE_TEST_SUITE_P(UnreadableTexts, PayoffMonthsAnswers,
                         testing::Values(MonthsCase{"$1,000.00", "", "$100.00", "10 months"},
                                         MonthsCase{"$1,000.00", "lots", "$100.00", "10 months"},
                                         MonthsCase{"", "12.00", "$100.00", "0 months"},
                                         MonthsCase{"n/a", "12.00", "$100.00", "0 months"},
                                         MonthsCase{"$0.00", "12.00", " ", "0 months"},
                                         MonthsCase{"-$50.00", "12.00", "abc", "0 months"}));

INSTANTIATE_TEST_SUITE_P(Boundaries, PayoffMonthsAnswers,
                         testing::Values(
                             // 18.90 a year is 1.575 % a month: 31.5000 of interest on $2,000.00.
                             MonthsCase{"$2,000.00", "18.90", "$2,031.50", "1 months"},
                             MonthsCase{"$2,000.00", "18.90", "$2,031.49", "2 months"},
                             MonthsCase{"$2,000.00", "18.90", "$31.51", "516 months"},
                             // A million months at no interest.
                             MonthsCase{"$10,000.00", "0.00", "$0.01", "1000000 months"},
                             // The largest balance, a cent at a time.
                             MonthsCase{"$922,337,203,685,477.58", "0.00", "$0.01", "92233720368547758 months"},
                             // The balance plus interest passes the top of the money range for a
                             // moment, but the payment brings it back: no failure.
                             MonthsCase{"$900,000,000,000,000.00", "36.00", "$922,000,000,000,000.00", "2 months"}));

struct NotEnoughCase {
    std::string balance, rate, payment;
};

void PrintTo(const NotEnoughCase& c, std::ostream* os)
{
    *os << c.balance << " at " << c.rate << " paying [" << c.payment << "]";
}

class PayoffMonthsNotEnough : public testing::TestWithParam<NotEnoughCase> { };

TEST_P(PayoffMonthsNotEnough, SaysInfiniteMonthsAfterTheMessage)
{
    const auto& c = GetParam();
    const auto answer = PayoffMonths(c.balance, c.rate, c.payment);
    EXPECT_EQ(answer.caption, "Infinite months");
    EXPECT_EQ(answer.message,
              "Your payments are not enough to cover the accumulated interest.  Try increasing the payments.");
    EXPECT_EQ(answer.icon, MessageIcon::Information);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PayoffMonthsNotEnough,
    testing::Values(NotEnoughCase{"$1,000.00", "18.00", "$15.00"}, // payment equals the interest
                    NotEnoughCase{"$2,000.00", "18.90", "$31.50"}, NotEnoughCase{"$1,000.00", "18.00", " "},
                    NotEnoughCase{"$1,000.00", "18.00", "abc"}, NotEnoughCase{"$1,000.00", "0.00", "$0.00"},
                    NotEnoughCase{"$1,000.00", "12.00", "-$100.00"},
                    // Interest past the money range cannot be paid.
                    NotEnoughCase{"$922,337,203,685,477.58", "1,000,000,000,000", "$922,337,203,685,477.58"}));

TEST(PayoffMonths, AnExactlyEmptyPaymentAsksForOneAndLeavesTheLabel)
{
    const auto answer = PayoffMonths("$1,000.00", "12.00", "");
    EXPECT_EQ(answer.caption, std::nullopt);
    EXPECT_EQ(answer.message, "Enter Payment Amount");
    EXPECT_EQ(answer.icon, MessageIcon::None);
}

} // namespace
} // namespace plenwick
