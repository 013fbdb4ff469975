#include "plan/plan_summary.h"

#include "plan/plan_csv.h"

#include "plan_cases.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

using Lines = std::vector<std::string>;

PlanSummary summaryOf(std::vector<DebtCard> cards, const char* budget, const OfferMoves& moves = {},
                      PlanStrategy strategy = PlanStrategy::SmallestBalanceFirst)
{
    for (std::size_t row = 0; row < cards.size(); ++row)
        cards[row].row = row;
    return SummarisePlan(BuildPlanWithMoves(cards, moves, dollars(budget), strategy, {2026, 4}));
}

TEST(PlanSummary, SaysWhenTheDebtsArePaidOffAndWhatThatGainsAgainstPayingAsNow)
{
    std::vector<DebtCard> cards = {card(12, "1000", "25"), card(0, "300", "20")};
    cards[0].name = "Harbor Gold";
    cards[0].actualPayment = dollars("100");
    const PlanSummary summary = summaryOf(cards, "200");
    EXPECT_EQ(summary.headline,
              (Lines{"Debt-free in October 2026 (7\u00a0months)", "Total interest $46.57", "Total paid $1,346.57",
                     "Against paying as now: 8 months sooner, $12.41 less interest"}));
    EXPECT_EQ(summary.cards, (Lines{"Harbor Gold: paid off October 2026, interest\u00a0$46.57",
                                    "Card 2: paid off May 2026, interest\u00a0$0.00"}));
    EXPECT_TRUE(summary.moves.empty());
    EXPECT_EQ(summaryOf({card(12, "1200", "100")}, "100").headline.back(),
              "Against paying as now: the same debt-free month, the same interest");
}

TEST(PlanSummary, NamesTheCardsNeverPaidOffAsNowAndWhyAPlanStops)
{
    EXPECT_EQ(summaryOf({card(30, "1000", "1"), card(0, "10", "10"), card(30, "900", "2")}, "500").headline.back(),
              "Paying as now, Card 1 and Card 3 are never paid off.");
    EXPECT_EQ(summaryOf({card(30, "1000", "1")}, "500").headline.back(), "Paying as now, Card 1 is never paid off.");
    const PlanSummary stuck = summaryOf({card(30, "1000", "25")}, "25");
    EXPECT_EQ(stuck.failure,
              "A budget of $25.00 does not cover the interest: the balances stop falling in April 2026.");
    EXPECT_EQ(stuck.cards, Lines{"Card 1: not paid off, interest so far\u00a0$25.00"});
    EXPECT_TRUE(stuck.headline.empty());
    EXPECT_EQ(summaryOf({}, "25").headline, Lines{"No card on My Cards owes anything: there is nothing to plan."});
}

TEST(PlanSummary, TellsWhatMovingCardsToOffersGainsFeesIncluded)
{
    const std::vector<DebtCard> cards = {card(12, "1000", "25"), card(0, "300", "20")};
    const OfferMoves zeroIntro = {{0, {"Zero Intro", RatePlan{12, 0, 12}, dollars("30")}}};
    const PlanSummary moved = summaryOf(cards, "200", zeroIntro);
    EXPECT_EQ(moved.moves, (Lines{"Card 1 moved to Zero Intro, fee $30.00",
                                  "The moves: the same debt-free month, $16.57 less to pay, fees included"}));
    EXPECT_EQ(moved.headline.back(), "Against paying as now: 45 months sooner, $253.47 less interest and fees");
    const OfferMoves dear = {{1, {"Dear", RatePlan::constant(30), {}}}};
    EXPECT_EQ(summaryOf(cards, "200", dear).moves.back(),
              "The moves: the same debt-free month, $11.36 more to pay, fees included");
    EXPECT_EQ(summaryOf({card(30, "1000", "25")}, "25", zeroIntro).moves.back(),
              "Without the moves the plan does not end: A budget of $25.00 does not cover the interest: the balances "
              "stop falling in April 2026.");
}

TEST(PlanSummary, TellsASwitchAsBestOffersCountsItFeesIncluded)
{
    const RankOffer zero{"Zero", "", RatePlan::constant(0), dollars("0"), 0.0};
    RankOffer withFee = zero;
    withFee.transferFeePercent = 3.0;
    RankOffer feeUnknown = zero;
    feeUnknown.transferFeePercent.reset();
    RankOffer steep = zero;
    steep.plan = RatePlan::constant(30);
    EXPECT_EQ(SwitchSummary(card(12, "1000", "100"), zero), "With no transfer fee: $58.98 less to pay, 1 month sooner");
    EXPECT_EQ(SwitchSummary(card(0, "1000", "100"), withFee),
              "With the 3.00 % transfer fee: $30.00 more to pay, 1 month later");
    EXPECT_EQ(SwitchSummary(card(0, "1000", "100"), feeUnknown),
              "With the transfer fee unknown: the same to pay, the same debt-free month");
    EXPECT_EQ(SwitchSummary(card(12, "1000", "5"), zero),
              "With no transfer fee: paid off in 200 months, which your card as it is never is");
    EXPECT_EQ(SwitchSummary(card(0, "1000", "5"), steep),
              "With no transfer fee: never paid off at your actual payment");
    EXPECT_EQ(SwitchSummary(card(12, "0", "5"), zero), "");
}

TEST(PlanHeading, NamesWhatThePlanWasMadeFromForASpreadsheetAndForAPage)
{
    PlanOptions changes;
    changes.budgetChanges = {{{2027, 5}, dollars("1500")}};
    changes.extraPayments = {{{2026, 6}, dollars("-50")}, {{2026, 12}, dollars("1,000")}};
    const PlanHeading heading{dollars("1200.5"), PlanStrategy::SmallestBalanceFirst, changes, {2026, 3}, 4};
    EXPECT_EQ(PlanCsvHeading(heading, {2026, 4}),
              "Made,2026-03-04\r\nFirst month,2026-04\r\nMonthly budget,1200.50\r\n"
              "Extra money goes to,Smallest balance first\r\nBudget from 2027-05,1500.00\r\n"
              "Extra payment in 2026-06,-50.00\r\nExtra payment in 2026-12,1000.00\r\n\r\n");

    DebtCard formula = card(18.9, "2,750.5", "55", {}, "0", "0", {MinimumRule::Kind::Percent, 2, dollars("25")});
    formula.name = "Summit, Travel";
    const std::string debts = "Debts: Card 1 $1,000.00 at 12.00\u00a0%, minimum $25.00 and Summit, Travel "
                              "$2,750.50 at 18.90\u00a0%, minimum by the bank's formula";
    EXPECT_EQ(PlanHeadingLines(heading, {card(12, "1000", "25"), formula}),
              (Lines{"Made 4 March 2026", "Monthly budget $1,200.50; from May 2027 $1,500.00",
                     "Extra payments: -$50.00 in June 2026 and $1,000.00 in December 2026",
                     "Extra money goes to: Smallest balance first", debts}));
}

} // namespace
} // namespace plenwick
