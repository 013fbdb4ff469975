#include "plan/debt_plan.h"
#include "plan/plan_csv.h"

#include "money/money_text.h"
#include "plan_cases.h"

#include <gtest/gtest.h>

#include <random>

namespace plenwick {
namespace {

template <typename T, typename... More>
std::vector<T> list(T first, More... more)
{
    return {first, more...};
}

constexpr CalendarMonth kJanuary2027{2027, 1};
constexpr PlanStrategy kByRate = PlanStrategy::HighestRateFirst, kInOrder = PlanStrategy::CardOrder;

TEST(CalendarMonth, CountsAcrossYearsBothWays)
{
    EXPECT_EQ((CalendarMonth{2026, 11}.plus(3)), (CalendarMonth{2027, 2}));
    EXPECT_EQ(kJanuary2027.plus(-13).name(), "December 2025");
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
    EXPECT_EQ(std::tuple(cards[0].row, cards[1].row, cards[2].row, cards[0].minimumPayment, cards[1].minimumPayment,
                         cards[2].minimumPayment, cards[0].name, cards[0].annualFee, cards[0].annualRate,
                         cards[1].annualRate, cards[2].actualPayment),
              std::tuple(0U, 3U, 4U, dollars("35"), dollars("50"), MoneyAmount(), "Gold", dollars("25"), 18.9, 0.0,
                         std::nullopt));
}

TEST(DebtPlan, PaysTheBudgetOutMonthByMonthOrSaysWhyNot)
{
    struct Case {
        std::vector<DebtCard> cards;
        const char* budget;
        PlanStrategy strategy;
        std::int32_t month; // whose payments are checked
        std::vector<const char*> payments;
        std::int32_t months = -1; // -1: the plan goes on past the month checked
        const char* totalInterest = "0";
        std::string message = "";
    };
    const auto four = list(card(12, "500", "10"), card(24, "3000", "30"), card(0, "500", "20"), card(24, "3000", "30"));
    const auto introAndRegular = list(card(0, "1000", "0", RatePlan{2, 0, 12}), card(12, "1000", "0"));
    const Case cases[] = {
        // Highest rate first, smallest balance first (ties by row), card order.
        {four, "330", kByRate, 1, list("10", "270", "20", "30")},
        {four, "330", PlanStrategy::SmallestBalanceFirst, 1, list("250", "30", "20", "30")},
        {four, "330", kInOrder, 1, list("250", "30", "20", "30")},
        // A card paid off passes the rest on; a minimum above the balance pays the balance.
        {list(card(0, "100", "25"), card(0, "1000", "25")), "200", kInOrder, 1, list("100", "100"), 6},
        {list(card(0, "1000", "10"), card(0, "50", "100")), "200", kInOrder, 1, list("150", "50"), 6},
        {list(card(12, "1000", "0", {}, "0", "30")), "500", kInOrder, 3, list("46.16"), 3, "16.16"},
        // An intro rate waits for its regular rate, then goes first (ties by row).
        {introAndRegular, "300", kByRate, 2, list("0", "300")},
        {introAndRegular, "300", kByRate, 3, list("300", "0")},
        {list(card(0, "1000", "0", RatePlan{2, 24, 0})), "10", kInOrder, 105, list("0.20"), 105, "40.20"},
        {list(card(0, "1200", "1")), "1", kInOrder, 1200, list("1"), 1200},
        // A failed plan keeps the months it ran, with their totals.
        {list(card(12, "1000", "100"), card(12, "2000", "245")), "300", kInOrder, 0, std::vector<const char*>(), 0, "0",
         "A budget of $300.00 is below the minimum payments, which add up to $345.00."},
        {list(card(12, "10000", "0")), "100", kInOrder, 1, list("100"), 1, "100",
         "A budget of $100.00 does not cover the interest: the balances stop falling in January 2027."},
        {list(card(0, "10000", "0", RatePlan{3, 0, 12})), "50", kInOrder, 4, list("50"), 4, "98.50",
         "A budget of $50.00 does not cover the interest: the balances stop falling in April 2027."},
        {list(card(0, "1200.01", "0")), "1", kInOrder, 1200, list("1"), 1200, "0",
         "The plan would take more than 1,200 months (100 years); it stops there."},
        {list(card(0, "100", "0"), card(12, "910,000,000,000,000", "0")), "1", kInOrder, 1, list("1", "0"), 1,
         "9,100,000,000,000", "The amounts are too large to plan exactly."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.cards.size() << " cards, budget " << c.budget << ", " << c.message);
        const DebtPlan plan = BuildDebtPlan(c.cards, dollars(c.budget), c.strategy, kJanuary2027);
        EXPECT_EQ(plan.message, c.message);
        ASSERT_GE(plan.months, c.month);
        ASSERT_EQ(plan.schedule.size(), plan.months * c.cards.size());
        for (std::size_t i = 0; i < c.payments.size(); ++i)
            EXPECT_EQ(plan.entry(c.month, i).payment, dollars(c.payments[i])) << "card " << i;
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
    DebtPlan plan = BuildDebtPlan(cards, dollars("500"), kInOrder, kJanuary2027);
    ASSERT_EQ(plan.asYouPayNow.balances.size(), 1200U);
    EXPECT_EQ(std::tuple(plan.asYouPayNow.neverPaidOff, plan.asYouPayNow.months, plan.asYouPayNow.balances[2]),
              std::tuple(std::vector<std::size_t>{1}, std::nullopt, dollars("10000")));

    cards[1] = card(12, "1000", "100");
    cards.push_back(card(12, "-50", "0")); // owes nothing
    plan = BuildDebtPlan(cards, dollars("500"), kInOrder, kJanuary2027);
    // The first month's balances: 200 + 910.
    EXPECT_EQ(std::tuple(plan.cards[2].paidOffMonth, plan.asYouPayNow.months, plan.asYouPayNow.balances.front(),
                         plan.asYouPayNow.cards.at(1).interest, plan.asYouPayNow.paid),
              std::tuple(0, 11, dollars("1110"), dollars("58.9848"), dollars("1,358.9848")));

    const DebtCard huge = card(0, "500,000,000,000,000", "500,000,000,000,000");
    // Beyond the range of money.
    EXPECT_EQ(BuildDebtPlan({huge, huge}, dollars("1"), kInOrder, kJanuary2027).asYouPayNow.paid, std::nullopt);
}

// Every month pays the whole budget but the last, every card's payments add up
// to its balance, fee and interest, and one card at its actual payment takes
// the months of its payoff run.
TEST(DebtPlan, InvariantsHoldOnRandomBooks)
{
    std::mt19937_64 random(20270101);
    auto between = [&](std::int64_t low, std::int64_t top) { return std::uniform_int_distribution(low, top)(random); };
    int finished = 0;
    for (int book = 0; book < 400; ++book) {
        SCOPED_TRACE(book);
        std::vector<DebtCard> cards(static_cast<std::size_t>(between(1, 5)));
        MoneyAmount budget = MoneyAmount::fromTicks(between(0, 50'000) * 100);
        for (DebtCard& c : cards) {
            c.annualRate = static_cast<double>(between(0, 3000)) / 100;
            c.balance = MoneyAmount::fromTicks(between(-100, 2'000'000) * 100);
            c.minimumPayment = MoneyAmount::fromTicks(between(0, 40'000) * 100);
            c.ratePlan = RatePlan{static_cast<std::int32_t>(between(-20, 21)), 0, c.annualRate};
            c.openingFee = MoneyAmount::fromTicks(between(0, 1) * c.balance.ticks() * 3 / 100);
            budget = *budget.plus(c.minimumPayment);
        }
        const DebtPlan plan = BuildDebtPlan(cards, budget, static_cast<PlanStrategy>(between(0, 2)), kJanuary2027);
        if (cards.size() == 1 && cards[0].openingFee == MoneyAmount()) {
            const auto run = PayoffRun(cards[0].balance, *cards[0].ratePlan, budget);
            ASSERT_EQ(plan.succeeded(), !run.stoppedEarly && run.months <= 1200) << plan.message;
            EXPECT_TRUE(!plan.succeeded() || (plan.months == run.months && plan.totalInterest == run.interest));
        }
        if (!plan.succeeded())
            continue;
        ++finished;
        // Each card is paid off in the month its balance reaches 0 (month 0: it owed nothing), the last of them
        // in the plan's last month.
        MoneyAmount owed;
        std::int32_t last = 0;
        for (std::size_t c = 0; c < cards.size(); ++c) {
            const MoneyAmount start = std::max(*cards[c].balance.plus(cards[c].openingFee), MoneyAmount());
            EXPECT_EQ(plan.cards[c].paid, *start.plus(plan.cards[c].interest));
            owed = *owed.plus(start);
            const std::int32_t paidOff = plan.cards[c].paidOffMonth.value();
            EXPECT_TRUE(paidOff == 0 || (plan.entry(paidOff, c).opening.isPositive() &&
                                         plan.entry(paidOff, c).closing == MoneyAmount()));
            last = std::max(last, paidOff);
        }
        EXPECT_EQ(plan.totalPaid, *owed.plus(plan.totalInterest));
        EXPECT_EQ(last, plan.months);
        for (std::int32_t m = 1; m < plan.months; ++m) {
            MoneyAmount paid;
            for (std::size_t c = 0; c < cards.size(); ++c)
                paid = *paid.plus(plan.entry(m, c).payment);
            ASSERT_EQ(paid, budget) << "month " << m;
        }
    }
    EXPECT_GT(finished, 200);
}

TEST(PlanCsv, TwoCardsMonthByMonthWithTotalsQuotedWhereNeeded)
{
    // The second card is left as built: no name (it is called after its row), no interest.
    std::vector<DebtCard> cards = {card(12, "100", "10"), {}};
    cards[0].name = "Harbor \"Gold\", Plus";
    cards[1].balance = dollars("30");
    cards[1].minimumPayment = dollars("10");
    const DebtPlan plan = BuildDebtPlan(cards, dollars("50"), kInOrder, {2027, 3});

    // Month 3: 21.61 + 0.2161 interest is paid off, 21.8261 in all.
    EXPECT_EQ(PlanCsv(plan, cards),
              "Month,Date,\"Harbor \"\"Gold\"\", Plus payment\",\"Harbor \"\"Gold\"\", Plus interest\","
              "\"Harbor \"\"Gold\"\", Plus balance\",Card 1 payment,Card 1 interest,Card 1 balance\r\n"
              "1,2027-03,40.00,1.00,61.00,10.00,0.00,20.00\r\n"
              "2,2027-04,40.00,0.61,21.61,10.00,0.00,10.00\r\n"
              "3,2027-05,21.83,0.22,0.00,10.00,0.00,0.00\r\n"
              "Total,,101.83,1.83,,30.00,0.00,\r\n");
}

} // namespace
} // namespace plenwick
