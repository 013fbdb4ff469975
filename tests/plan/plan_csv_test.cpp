#include "plan/plan_csv.h"

#include "money/money_text.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(PlanCsv, TwoCardsMonthByMonthWithTotalsQuotedWhereNeeded)
{
    std::vector<DebtCard> cards(2);
    cards[0].name = "Harbor \"Gold\", Plus";
    cards[0].annualRate = 12;
    cards[0].balance = *money("100");
    cards[1].balance = *money("30");
    cards[1].row = 2; // no name: called after its row
    for (DebtCard& card : cards)
        card.minimumPayment = *money("10");
    const DebtPlan plan = BuildDebtPlan(cards, *money("50"), PlanStrategy::CardOrder, {2027, 3});

    // Month 3: 21.61 + 0.2161 interest is paid off, 21.8261 in all.
    EXPECT_EQ(PlanCsv(plan, cards),
              "Month,Date,\"Harbor \"\"Gold\"\", Plus payment\",\"Harbor \"\"Gold\"\", Plus interest\","
              "\"Harbor \"\"Gold\"\", Plus balance\",Card 3 payment,Card 3 interest,Card 3 balance\r\n"
              "1,2027-03,40.00,1.00,61.00,10.00,0.00,20.00\r\n"
              "2,2027-04,40.00,0.61,21.61,10.00,0.00,10.00\r\n"
              "3,2027-05,21.83,0.22,0.00,10.00,0.00,0.00\r\n"
              "Total,,101.83,1.83,,30.00,0.00,\r\n");
}

} // namespace
} // namespace plenwick
