#include "plan/debt_plan.h"

#include "money/money_text.h"

#include <gtest/gtest.h>

#include <random>

namespace plenwick {
namespace {

MoneyAmount dollars(const char* text) { return money(text).value(); }

DebtCard card(double rate, const char* balance, const char* minimum, std::optional<RatePlan> plan = {},
              const char* openingFee = "0")
{
    DebtCard c;
    c.annualRate = rate;
    c.balance = dollars(balance);
    c.minimumPayment = dollars(minimum);
    c.actualPayment = c.minimumPayment;
    c.ratePlan = plan;
    c.openingFee = dollars(openingFee);
    return c;
}

constexpr CalendarMonth kJanuary2027{2027, 1};

TEST(CalendarMonth, CountsAcrossYearsBothWays)
{
    EXPECT_EQ((CalendarMonth{2026, 11}.plus(3)), (CalendarMonth{2027, 2}));
    EXPECT_EQ(kJanuary2027.plus(-1), (CalendarMonth{2026, 12}));
    EXPECT_EQ(kJanuary2027.plus(-13), (CalendarMonth{2025, 12}));
    EXPECT_EQ(kJanuary2027.plus(26).name(), "March 2029");
    EXPECT_EQ(kJanuary2027.plus(26).isoText(), "2029-03");
}

TEST(DebtCardsFromRows, TakesTheRowsThatOweAndFallsBackToTheActualPayment)
{
    const auto cards = DebtCardsFromRows({{"Gold", "$25.00", "18.90", "$1,000.00", "$35.00", "$100.00"},
                                          {"Empty", "", "", "", "", ""},
                                          {"Zero", "", "12", "$0.00", "$10", "$10"},
                                          {"No minimum", "", "abc", "$500", "", "$50.00"},
                                          {"Unreadable", "", "12", "$200", "n/a", "x"}});
    ASSERT_EQ(cards.size(), 3U);
    EXPECT_EQ(cards[0].name, "Gold");
    EXPECT_EQ(cards[0].annualFee, dollars("25"));
    EXPECT_DOUBLE_EQ(cards[0].annualRate, 18.9);
    EXPECT_EQ(cards[0].minimumPayment, dollars("35"));
    EXPECT_EQ(cards[1].row, 3U);
    EXPECT_EQ(cards[1].minimumPayment, dollars("50"));
    EXPECT_EQ(cards[2].minimumPayment, MoneyAmount());
    EXPECT_EQ(cards[2].actualPayment, std::nullopt);
}

TEST(DebtPlan, WorkedPlans)
{
    const RatePlan freeTwoMonths{2, 0, 24};
    struct Case {
        const char* what;
        std::vector<DebtCard> cards;
        const char* budget;
        PlanStrategy strategy;
        std::int32_t month; // whose payments are checked
        std::vector<const char*> payments;
        std::int32_t months = 0; // 0: the plan goes on past the month checked
        const char* totalInterest = "";
    };
    const std::vector<DebtCard> three = {card(12, "1000", "10"), card(24, "3000", "30"), card(0, "500", "20"),
                                         card(24, "3000", "30")};
    const Case cases[] = {
        {"highest rate, ties by row", three, "330", PlanStrategy::HighestRateFirst, 1, {"10", "270", "20", "30"}},
        {"smallest balance", three, "330", PlanStrategy::SmallestBalanceFirst, 1, {"10", "30", "260", "30"}},
        {"card order", three, "330", PlanStrategy::CardOrder, 1, {"250", "30", "20", "30"}},
        {"paid off card passes the rest on",
         {card(0, "100", "25"), card(0, "1000", "25")},
         "200",
         PlanStrategy::CardOrder,
         1,
         {"100", "100"},
         6,
         "0"},
        {"minimum above the balance",
         {card(0, "1000", "10"), card(0, "50", "100")},
         "200",
         PlanStrategy::CardOrder,
         1,
         {"150", "50"},
         6,
         "0"},
        {"opening fee", {card(12, "1000", "0", {}, "30")}, "500", PlanStrategy::CardOrder, 3, {"46.16"}, 3, "16.16"},
        {"intro rate waits, month 1",
         {card(0, "1000", "0", freeTwoMonths), card(12, "1000", "0")},
         "300",
         PlanStrategy::HighestRateFirst,
         1,
         {"0", "300"}},
        {"intro rate waits, month 3",
         {card(0, "1000", "0", freeTwoMonths), card(12, "1000", "0")},
         "300",
         PlanStrategy::HighestRateFirst,
         3,
         {"300", "0"}},
        {"dear intro months, then free",
         {card(0, "1000", "0", RatePlan{2, 24, 0})},
         "10",
         PlanStrategy::CardOrder,
         105,
         {"0.20"},
         105,
         "40.20"},
        {"exactly 1,200 months", {card(0, "1200", "0")}, "1", PlanStrategy::CardOrder, 1200, {"1"}, 1200, "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DebtPlan plan = BuildDebtPlan(c.cards, dollars(c.budget), c.strategy, kJanuary2027);
        ASSERT_GE(plan.months, c.month);
        for (std::size_t i = 0; i < c.payments.size(); ++i)
            EXPECT_EQ(plan.entry(c.month, i).payment, dollars(c.payments[i])) << "card " << i;
        if (c.months == 0)
            continue;
        EXPECT_TRUE(plan.succeeded()) << plan.message;
        EXPECT_EQ(plan.months, c.months);
        EXPECT_EQ(plan.totalInterest, dollars(c.totalInterest));
        EXPECT_EQ(plan.debtFreeMonth(), kJanuary2027.plus(c.months - 1));
    }
}

TEST(DebtPlan, FailuresSayWhy)
{
    struct Case {
        std::vector<DebtCard> cards;
        const char* budget;
        PlanFailure failure;
        std::int32_t months;
        const char* message;
    };
    const Case cases[] = {
        {{card(12, "1000", "100"), card(12, "2000", "245")},
         "300",
         PlanFailure::BudgetBelowMinimums,
         0,
         "A budget of $300.00 is below the minimum payments, which add up to $345.00."},
        {{card(12, "10000", "0")},
         "100",
         PlanFailure::BalancesStopFalling,
         1,
         "A budget of $100.00 does not cover the interest: the balances stop falling in January 2027."},
        {{card(0, "10000", "0", RatePlan{3, 0, 12})},
         "50",
         PlanFailure::BalancesStopFalling,
         4,
         "A budget of $50.00 does not cover the interest: the balances stop falling in April 2027."},
        {{card(0, "1200.01", "0")},
         "1",
         PlanFailure::TooLong,
         1200,
         "The plan would take more than 1,200 months (100 years); it stops there."},
        {{card(0, "100", "0"), card(12, "922,337,203,685,477", "0")},
         "1",
         PlanFailure::TooLarge,
         0,
         "The amounts are too large to plan exactly."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        const DebtPlan plan = BuildDebtPlan(c.cards, dollars(c.budget), PlanStrategy::CardOrder, kJanuary2027);
        EXPECT_EQ(plan.failure, c.failure);
        EXPECT_EQ(plan.message, c.message);
        EXPECT_EQ(plan.months, c.months);
        EXPECT_EQ(plan.schedule.size(), c.months * c.cards.size());
        EXPECT_EQ(plan.debtFreeMonth(), std::nullopt);
    }
}

TEST(DebtPlan, AsYouPayNowRunsEachCardAloneAtItsActualPayment)
{
    std::vector<DebtCard> cards = {card(0, "300", "100"), card(12, "10000", "100")};
    DebtPlan plan = BuildDebtPlan(cards, dollars("500"), PlanStrategy::CardOrder, kJanuary2027);
    EXPECT_EQ(plan.asYouPayNow.neverPaidOff, std::vector<std::size_t>{1});
    EXPECT_EQ(plan.asYouPayNow.months, std::nullopt);
    EXPECT_EQ(plan.asYouPayNow.balances.size(), 1200U);
    EXPECT_EQ(plan.asYouPayNow.balances[2], dollars("10000"));

    cards[1] = card(12, "1000", "0");
    cards[1].actualPayment = dollars("100");
    plan = BuildDebtPlan(cards, dollars("500"), PlanStrategy::CardOrder, kJanuary2027);
    EXPECT_EQ(plan.asYouPayNow.months, 11);
    EXPECT_EQ(plan.asYouPayNow.balances.front(), dollars("1110")); // 200 + 910
    EXPECT_EQ(plan.asYouPayNow.paid, dollars("1300").plus(plan.asYouPayNow.cards[1].interest));
}

// Every month pays the whole budget but the last, every card's payments add up
// to its balance, fee and interest, and one card at its actual payment takes
// the months of its payoff run.
TEST(DebtPlan, InvariantsHoldOnRandomBooks)
{
    std::mt19937_64 random(20270101);
    auto between = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    int finished = 0;
    int singles = 0;
    for (int book = 0; book < 400; ++book) {
        std::vector<DebtCard> cards(static_cast<std::size_t>(between(1, 5)));
        MoneyAmount budget = MoneyAmount::fromTicks(between(0, 50'000) * 100);
        for (DebtCard& c : cards) {
            c.annualRate = static_cast<double>(between(0, 3000)) / 100;
            c.balance = MoneyAmount::fromTicks(between(-100, 2'000'000) * 100);
            c.minimumPayment = MoneyAmount::fromTicks(between(0, 40'000) * 100);
            if (between(0, 2) == 0)
                c.ratePlan = RatePlan{static_cast<std::int32_t>(between(0, 21)), 0, c.annualRate};
            c.openingFee = MoneyAmount::fromTicks(between(0, 1) * c.balance.ticks() * 3 / 100);
            budget = *budget.plus(c.minimumPayment);
        }
        SCOPED_TRACE(book);
        if (cards.size() == 1) {
            cards[0].openingFee = MoneyAmount();
            cards[0].actualPayment = budget;
            const auto run = PayoffRun(cards[0].balance,
                                       cards[0].ratePlan.value_or(RatePlan::constant(cards[0].annualRate)), budget);
            const DebtPlan plan = BuildDebtPlan(cards, budget, PlanStrategy::CardOrder, kJanuary2027);
            const bool fits = !run.stoppedEarly && run.months <= 1200;
            ASSERT_EQ(plan.succeeded(), fits) << plan.message;
            if (fits) {
                ++singles;
                EXPECT_EQ(plan.months, run.months);
                EXPECT_EQ(plan.totalInterest, run.interest);
            }
        }
        const DebtPlan plan = BuildDebtPlan(cards, budget, static_cast<PlanStrategy>(between(0, 2)), kJanuary2027);
        if (!plan.succeeded())
            continue;
        ++finished;
        MoneyAmount owed;
        for (std::size_t c = 0; c < cards.size(); ++c) {
            const MoneyAmount start =
                cards[c].balance.isPositive() ? *cards[c].balance.plus(cards[c].openingFee) : MoneyAmount();
            EXPECT_EQ(plan.cards[c].paid, *start.plus(plan.cards[c].interest));
            owed = *owed.plus(start);
        }
        EXPECT_EQ(plan.totalPaid, *owed.plus(plan.totalInterest));
        for (std::int32_t m = 1; m < plan.months; ++m) {
            MoneyAmount paid;
            for (std::size_t c = 0; c < cards.size(); ++c)
                paid = *paid.plus(plan.entry(m, c).payment);
            ASSERT_EQ(paid, budget) << "month " << m;
        }
    }
    EXPECT_GT(finished, 200);
    EXPECT_GT(singles, 40);
}

} // namespace
} // namespace plenwick
