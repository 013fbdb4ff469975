#include "calculations/minimum_payment.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

MoneyAmount dollars(const char* text) { return money(text).value(); }

using Rule = MinimumRule::Kind;

TEST(MinimumDue, FollowsTheBanksRuleOnTheMonthsBalanceToTheCent)
{
    // The rule, the minimum typed, the month's opening balance and interest, and what is due.
    const std::tuple<MinimumRule, const char*, const char*, const char*, const char*> cases[] = {
        {{}, "35", "1,000", "10", "35"},
        {{}, "-5", "1,000", "10", "0"},
        {{}, "35", "20", "0.20", "20.20"}, // never more than owed
        {{Rule::PercentPlusInterest, 1, dollars("40")}, "0", "5,000", "92.7083", "142.71"},
        {{Rule::PercentPlusInterest, 1, dollars("40")}, "0", "1,000", "10", "40"},
        {{Rule::Percent, 2, dollars("40")}, "99", "8,000", "13.33", "160"},
        {{Rule::Percent, 1, {}}, "0", "1,234.50", "1", "12.35"},
        {{Rule::Percent, 1, {}}, "0", "1,234.49", "1", "12.34"},
        {{Rule::Percent, 1e30, {}}, "0", "100", "1", "101"},
    };
    for (const auto& [rule, typed, opening, interest, due] : cases)
        EXPECT_EQ(MinimumDue(rule, dollars(typed), dollars(opening), dollars(interest)), dollars(due)) << opening;
}

// $5,000 at 22.25 % paying 1 % of the balance plus interest, at least $40, as
// a statement's warning counts it; then paying the first minimum, $142.71,
// every month.
TEST(OnlyMinimumPayments, CountsMonthsYearsAndTotalAsTheStatementShowsThem)
{
    const auto formula = OnlyMinimumPayments(dollars("5,000"), 22.25, {Rule::PercentPlusInterest, 1, dollars("40")});
    EXPECT_TRUE(formula.paidOff);
    EXPECT_EQ(formula.months, 184);
    EXPECT_EQ(formula.years, 15);
    EXPECT_EQ(formula.interest, dollars("7,554.2201"));
    EXPECT_EQ(formula.totalShown, dollars("12,554"));
    const auto fixed = OnlyMinimumPayments(dollars("5,000"), 22.25, {}, dollars("142.71"));
    EXPECT_EQ(fixed.months, 58);
    EXPECT_EQ(fixed.totalShown, dollars("8,147"));

    // Under two years in months; halves of years round up.
    const std::tuple<const char*, std::int64_t, std::optional<std::int64_t>> spans[] = {
        {"2,300", 23, std::nullopt}, {"2,400", 24, 2}, {"2,900", 29, 2}, {"2,950", 30, 3}};
    for (const auto& [balance, months, years] : spans) {
        const auto warning = OnlyMinimumPayments(dollars(balance), 0, {}, dollars("100"));
        EXPECT_EQ(std::pair(warning.months, warning.years), std::pair(months, years)) << balance;
    }
    // The minimum never gets past the interest; nothing owed takes no month.
    EXPECT_FALSE(OnlyMinimumPayments(dollars("10,000"), 12, {}, dollars("100")).paidOff);
    EXPECT_EQ(OnlyMinimumPayments(MoneyAmount(), 12, {}, dollars("100")).months, 0);
    // A tick a month: 5,000,000 months are the most a warning counts.
    const MoneyAmount tick = MoneyAmount::fromTicks(1);
    EXPECT_TRUE(OnlyMinimumPayments(MoneyAmount::fromTicks(5'000'000), 0, {}, tick).paidOff);
    EXPECT_FALSE(OnlyMinimumPayments(MoneyAmount::fromTicks(5'000'001), 0, {}, tick).paidOff);
}

} // namespace
} // namespace plenwick
