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
    ASSERT_EQ(model.columnCount(), 8);
    const char* const headers[] = {"Month",
                                   "Date",
                                   "Harbor Gold\u2026\nPayment",
                                   "Harbor Gold\u2026\nInterest",
                                   "Harbor Gold\u2026\nBalance",
                                   "Card 2\nPayment",
                                   "Card 2\nInterest",
                                   "Card 2\nBalance"};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
                  QString::fromUtf8(headers[column]));
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::ToolTipRole).toString(),
              "Harbor Gold, a card with a long name: payment");
    const char* const firstMonth[] = {"1", "April 2026", "$180.00", "$10.00", "$830.00", "$20.00", "$0.00", "$280.00"};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(model.index(0, column).data().toString(), firstMonth[column]) << column;
    const char* const totals[] = {"Total", "", "$1,034.16", "$34.16", "", "$300.00", "$0.00", ""};
    for (int column = 0; column < 8; ++column)
        EXPECT_EQ(model.index(7, column).data().toString(), totals[column]) << column;
    EXPECT_EQ(model.index(7, 2).data(Qt::FontRole).value<QFont>(), bold);
    EXPECT_FALSE(model.index(6, 2).data(Qt::FontRole).isValid());

    model.showPlan(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
} // namespace plenwick
