#include "model_rows.h"
#include "models/plan_table_model.h"
#include "plan/plan_cases.h"
#include "plan/plan_summary.h"

#include <QAbstractItemModelTester>
#include <QFont>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(PlanTableModel, ShowsEachMonthsPaymentsInterestAndBalancesThenTheTotals)
{
    std::vector<DebtCard> cards = {card(12, "1000", "25"), card(0, "300", "20")};
    cards[0].name = "Harbor Gold, a card with a long name";
    cards[1].row = 1;
    auto result = std::make_shared<PlanResult>(
        BuildPlanWithMoves(cards, {}, dollars("200"), PlanStrategy::HighestRateFirst, {2026, 4}));
    PlanTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    QFont bold;
    bold.setBold(true);
    model.setTotalsFont(bold);
    model.showPlan(result);

    ASSERT_EQ(model.rowCount(), 8); // seven months and the totals
    EXPECT_EQ(rowText(model, 0), "1|April 2026|$180.00|$10.00|$830.00|$20.00|$0.00|$280.00");
    EXPECT_EQ(rowText(model, 7), "Total||$1,034.16|$34.16||$300.00|$0.00|");
    EXPECT_EQ(model.headerData(4, Qt::Horizontal).toString(), "Harbor Gold\u2026\nBalance");
    EXPECT_EQ(model.headerData(5, Qt::Horizontal).toString(), "Card 2\nPayment");
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(),
              "Harbor Gold, a card with a long name: payment");
    EXPECT_EQ(model.index(7, 2).data(Qt::FontRole).value<QFont>(), bold);
    EXPECT_FALSE(model.index(6, 2).data(Qt::FontRole).isValid());

    model.showPlan(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
} // namespace plenwick
