#include "calculations/minimum_payment.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

MoneyAmount dollars(const char* text) { return money(text).value(); }

using Rule = MinimumRule::Kind;

// What the warning shows: the months (and the years, from two years on) and
// the total in whole dollars, or "never" when the minimum never pays it off.
std::string shown(const MinimumPaymentWarning& warning)
{
    if (!warning.paidOff)
        return "never";
    return std::to_string(warning.months) + " months" +
           (warning.years ? ", " + std::to_string(*warning.years) + " years" : "") + ", " +
           FormatByPattern(warning.totalShown, Pattern::Money);
}

// $5,000 at 22.25 % paying 1 % of the balance plus interest, at least $40, as
// a statement's warning counts it; then minimums as typed.
TEST(OnlyMinimumPayments, CountsMonthsYearsAndTotalAsTheStatementShowsThem)
{
    const auto formula = OnlyMinimumPayments(dollars("5,000"), 22.25, {Rule::PercentPlusInterest, 1, dollars("40")});
    EXPECT_EQ(shown(formula), "184 months, 15 years, $12,554.00");
    EXPECT_EQ(formula.interest, dollars("7,554.2201"));
    // The balance, the rate, the minimum and what is shown.
    const std::tuple<const char*, double, const char*, const char*> cases[] = {
        {"5,000", 22.25, "142.71", "58 months, 5 years, $8,147.00"}, // the formula's first minimum, every month
        // Under two years in months; halves of years round up.
        {"2,300", 0, "100", "23 months, $2,300.00"},
        {"2,400", 0, "100", "24 months, 2 years, $2,400.00"},
        {"2,900", 0, "100", "29 months, 2 years, $2,900.00"},
        {"2,950", 0, "100", "30 months, 3 years, $2,950.00"},
        // The minimum never gets past the interest; nothing owed takes no month.
        {"10,000", 12, "100", "never"},
        {"0", 12, "100", "0 months, $0.00"},
        // A tick a month: 5,000,000 months are the most a warning counts.
        {"500", 0, "0.0001", "5000000 months, 416667 years, $500.00"},
        {"500.0001", 0, "0.0001", "never"},
    };
    for (const auto& [balance, rate, minimum, expected] : cases)
        EXPECT_EQ(shown(OnlyMinimumPayments(dollars(balance), rate, {}, dollars(minimum))), expected) << balance;
}

} // namespace
} // namespace plenwick
