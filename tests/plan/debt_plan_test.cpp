#include "plan/debt_plan.h"

#include "money/money_text.h"
#include "plan_cases.h"

#include <gtest/gtest.h>

#include <sstream>

namespace plenwick {
namespace {

template <typename T, typename... More>
std::vector<T> list(T first, More... more)
{
    return {first, more...};
}

constexpr CalendarMonth kJanuary2027{2027, 1};
constexpr PlanStrategy kByRate = PlanStrategy::HighestRateFirst, kInOrder = PlanStrategy::CardOrder;
using Rule = MinimumRule::Kind;

TEST(DebtCardsFromRows, TakesTheRowsThatOweAndFallsBackToTheActualPayment)
{
    const auto cards = DebtCardsFromRows({{"Gold", "$25.00", "18.90", "$1,000.00", "$35.00", "$100.00"},
                                          {},
                                          {"Zero", "", "12", "$0.00", "$10", "$10"},
                                          {"No minimum", "x", "abc", "$500", "", "$50.00"},
                                          {"Unreadable", "", "12", "$200", "n/a", "x"}});
    ASSERT_EQ(cards.size(), 3U);
    EXPECT_EQ(std::tuple(cards[0].name, cards[0].annualFee, cards[0].annualRate, cards[0].minimumPayment),
              std::tuple("Gold", dollars("25"), 18.9, dollars("35")));
    // Fee and rate that cannot be read count as 0; an empty minimum is the actual payment.
    EXPECT_EQ(std::tuple(cards[1].row, cards[1].annualFee, cards[1].annualRate, cards[1].minimumPayment),
              std::tuple(3U, MoneyAmount(), 0.0, dollars("50")));
    EXPECT_EQ(std::tuple(cards[2].minimumPayment, cards[2].actualPayment), std::tuple(MoneyAmount(), std::nullopt));
}

TEST(DebtPlan, PaysTheBudgetOutMonthByMonthOrSaysWhyNot)
{
    struct Case {
        std::vector<DebtCard> cards;
        const char* budget;
        PlanStrategy strategy;
        std::int32_t month;       // the payments checked are its cards', then on into the next months'
        const char* payments;     // separated by blanks
        std::int32_t months = -1; // -1: the plan goes on past the month checked
        const char* totalInterest = "0";
        std::string message = "";
        PlanOptions options = {};
    };
    const auto four = list(card(12, "500", "10"), card(24, "3000", "30"), card(0, "500", "20"), card(24, "3000", "30"));
    // From before the first month $150, in March $300 then $200; $50 more in February, $190 less in April.
    const PlanOptions dated{{{{2026, 1}, dollars("150")}, {{2027, 3}, dollars("300")}, {{2027, 3}, dollars("200")}},
                            {{{2027, 2}, dollars("40")},
                             {{2027, 2}, dollars("10")},
                             {{2027, 4}, dollars("-190")},
                             {{2026, 12}, dollars("99")}}};
    const auto unpaid = list(card(12, "10000", "0"));
    const Case cases[] = {
        // Highest rate first, smallest balance first (ties by row), own order (each card where it first comes, the
        // rest after in list order).
        {four, "330", kByRate, 1, "10 270 20 30"},
        {four, "1000", PlanStrategy::SmallestBalanceFirst, 1, "505 30 435 30"},
        {four, "3800", PlanStrategy::OwnOrder, 1, "210 3060 500 30", -1, "0", "", {{}, {}, {2, 4, 1, 2}}},
        // A card paid off passes the rest on; a minimum above the balance pays the balance.
        {list(card(0, "100", "25"), card(0, "1000", "25")), "200", kInOrder, 1, "100 100", 6},
        {list(card(0, "1000", "10"), card(0, "50", "100")), "200", kInOrder, 1, "150 50", 6},
        {list(card(12, "1000", "0", {}, "0", "30")), "500", kInOrder, 3, "46.16", 3, "16.16"},
        // An intro rate waits for its regular rate, then goes first (ties by row).
        {list(card(0, "1000", "0", RatePlan{2, 0, 12}), card(12, "1000", "0")), "300", kByRate, 2, "0 300 300 0"},
        {list(card(0, "1000", "0", RatePlan{2, 24, 0})), "10", kInOrder, 105, "0.20", 105, "40.20"},
        {list(card(0, "1200", "1")), "1", kInOrder, 1200, "1", 1200},
        // Budget changes and extras by month; a negative extra never takes a month below its minimums, and
        // the plan goes on when no balance falls but more money is to come (here too for 60 debts).
        {list(card(12, "10000", "20")), "100", kInOrder, 1, "150 200 200 20 200", -1, "0", "", dated},
        {unpaid, "100", kInOrder, 3, "600", -1, "0", "", {{}, {{{2027, 3}, dollars("500")}}}},
        {std::vector(60, unpaid[0]), "100", kInOrder, 2, "7000", -1, "0", "", {{{{2027, 2}, dollars("7000")}}}},
        // The bank's minimum on the month's balance and interest: 1 % + 92.7083, to the cent.
        {list(card(22.25, "5000", "0", {}, "0", "0", {Rule::PercentPlusInterest, 1, dollars("40")})), "100", kInOrder,
         0, "", 0, "0", "A budget of $100.00 is below the minimum payments, which add up to $142.71."},
        // A failed plan keeps the months it ran, with their totals.
        {list(card(12, "1000", "100"), card(12, "2000", "245")), "300", kInOrder, 0, "", 0, "0",
         "A budget of $300.00 is below the minimum payments, which add up to $345.00."},
        {list(card(12, "2000", "100")),
         "300",
         kInOrder,
         4,
         "300",
         4,
         "63.0877",
         "From May 2027 the budget of $50.00 is below the minimum payments, which add up to $100.00.",
         {{{{2027, 5}, dollars("50")}}}},
        {unpaid, "100", kInOrder, 1, "100", 1, "100",
         "A budget of $100.00 does not cover the interest: the balances stop falling in January 2027."},
        {unpaid,
         "100",
         kInOrder,
         1,
         "50 90",
         2,
         "200.50",
         "A budget of $90.00 does not cover the interest: the balances stop falling in February 2027.",
         {{{{2027, 2}, dollars("90")}}, {{kJanuary2027, dollars("-50")}}}},
        {list(card(0, "10000", "0", RatePlan{3, 0, 12})), "50", kInOrder, 4, "50", 4, "98.50",
         "A budget of $50.00 does not cover the interest: the balances stop falling in April 2027."},
        {list(card(0, "1200.01", "0")), "1", kInOrder, 1200, "1", 1200, "0",
         "The plan would take more than 1,200 months (100 years); it stops there."},
        {list(card(0, "900,000,000,000,000", "0"), card(12, "900,000,000,000,000", "0")), "900,000,000,000,000",
         kInOrder, 1, "900,000,000,000,000 0", 1, "9,000,000,000,000", "The amounts are too large to plan exactly."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        const DebtPlan plan = BuildDebtPlan(c.cards, dollars(c.budget), c.strategy, kJanuary2027, c.options);
        EXPECT_EQ(plan.message, c.message);
        // Every order side by side, in the order of the strategies, holds this plan too.
        const auto orders = BuildEveryOrder(c.cards, dollars(c.budget), kJanuary2027, c.options);
        EXPECT_EQ(orders.at(static_cast<std::size_t>(c.strategy)).plan, plan);
        ASSERT_EQ(plan.schedule.size(), plan.months * c.cards.size());
        std::istringstream payments(c.payments);
        std::size_t i = (c.month - 1) * c.cards.size();
        for (std::string paid; payments >> paid; ++i)
            EXPECT_EQ(plan.schedule.at(i).payment, dollars(paid.c_str())) << i;
        if (c.months < 0)
            continue;
        EXPECT_EQ(plan.months, c.months);
        EXPECT_EQ(plan.totalInterest, dollars(c.totalInterest));
        EXPECT_EQ(plan.debtFreeMonth(),
                  plan.succeeded() ? std::optional(kJanuary2027.plus(c.months - 1)) : std::nullopt);
        EXPECT_TRUE(plan.succeeded() ||
                    !plan.cards.back().paidOffMonth); // in these failed plans the last card is never paid off
    }
}

TEST(DebtPlan, AsYouPayNowRunsEachCardAloneAtItsActualPayment)
{
    std::vector<DebtCard> cards = {card(0, "300", "100"), card(12, "10000", "100")};
    AsYouPayNow now = BuildDebtPlan(cards, dollars("500"), kInOrder, kJanuary2027).asYouPayNow;
    ASSERT_EQ(now.balances.size(), 1200U);
    EXPECT_EQ(now.neverPaidOff, std::vector<std::size_t>{1});
    EXPECT_EQ(now.months, std::nullopt);
    EXPECT_EQ(now.balances[2], dollars("10000"));

    cards[1] = card(12, "1000", "100");
    cards.push_back(card(12, "-50", "0")); // owes nothing
    const DebtPlan plan = BuildDebtPlan(cards, dollars("500"), kInOrder, kJanuary2027);
    now = plan.asYouPayNow;
    EXPECT_EQ(plan.cards[2].paidOffMonth, 0);
    EXPECT_EQ(now.months, 11);
    EXPECT_EQ(now.balances.size(), 11U);
    EXPECT_EQ(now.cards.at(1).interest, dollars("58.9848"));
    EXPECT_EQ(now.balances.front(), dollars("1110")); // 200 + 910
    EXPECT_EQ(now.paid, dollars("1,358.9848"));       // 300 + 1,000 + 58.9848

    const DebtCard huge = card(0, "500,000,000,000,000", "500,000,000,000,000");
    // Beyond the range of money.
    EXPECT_EQ(BuildDebtPlan({huge, huge}, dollars("1"), kInOrder, kJanuary2027).asYouPayNow.paid, std::nullopt);
}

} // namespace
} // namespace plenwick
