#include "model_rows.h"
#include "models/debt_list_model.h"
#include "models/order_comparison_model.h"
#include "models/plan_changes_model.h"
#include "plan/plan_cases.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

QString cell(const QAbstractItemModel& model, int row, int column)
{
    return model.index(row, column).data().toString();
}

TEST(DebtListModel, ListsTheCardsAndOtherDebtsInTheOwnOrderAndEditsOnlyWhatIsItsOwn)
{
    DebtListModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    CardBook cards;
    cards[0] = {{"Harbor Gold", "", "12.00", "$1,000.00", "$25.00", ""}};
    cards[3] = {{"", "", "", "$50.00", "", ""}};
    model.setCards(cards);
    SavedPlan saved;
    saved.otherDebts = {{"debt 1", "Car loan", "$5,000", "6.9", "$250", {}, {}}};
    saved.ownOrder = {"debt 1", "card 1"};
    model.setSaved(saved);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(cell(model, 0, 0) + "|" + cell(model, 1, 0) + "|" + cell(model, 2, 0), "Car loan|Harbor Gold|Card 4");
    EXPECT_EQ(cell(model, 1, DebtListModel::BalanceColumn), "$1,000.00");
    EXPECT_EQ(cell(model, 1, DebtListModel::RuleColumn), "As typed");
    EXPECT_FALSE(model.setData(model.index(1, DebtListModel::BalanceColumn), "$1")); // a card's own figures stay
    EXPECT_TRUE(model.setData(model.index(1, DebtListModel::RuleColumn), "% of balance + interest"));
    EXPECT_TRUE(model.setData(model.index(1, DebtListModel::PercentColumn), "1"));
    EXPECT_TRUE(model.setData(model.index(0, DebtListModel::MinimumColumn), "$260"));

    EXPECT_FALSE(model.moveDebt(0, -1));
    EXPECT_TRUE(model.moveDebt(2, -1));
    EXPECT_TRUE(model.removeDebt(0));  // the car loan
    EXPECT_FALSE(model.removeDebt(0)); // a card stays
    EXPECT_EQ(model.addDebt(), 2);
    model.writeTo(saved);
    EXPECT_EQ(saved.ownOrder, (QStringList{"card 4", "card 1", "debt 1"})); // the key given again, once free
    EXPECT_EQ(saved.otherDebts.size(), 1U);
    EXPECT_EQ(saved.cardMinimums.at(0).kind, kMinimumPercentPlusInterest);
    EXPECT_EQ(saved.cardMinimums.at(0).percent, "1");
}

TEST(PlanChangesModel, KeepsEachChangeAsTyped)
{
    PlanChangesModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    EXPECT_EQ(model.addChange(true, "May 2027"), 0);
    EXPECT_EQ(model.addChange(false, "June 2027"), 1);
    EXPECT_EQ(cell(model, 0, 0), "That month, an extra");
    model.setData(model.index(0, PlanChangesModel::KindColumn), "From then, the budget is");
    model.setData(model.index(0, PlanChangesModel::AmountColumn), "$600");
    model.removeChange(1);
    EXPECT_EQ(model.changes(), (std::vector<PlanChangeTexts>{{false, "May 2027", "$600", {}}}));
}

TEST(OrderComparisonModel, MarksTheCheapestOrderAndSaysWhichNeverEnds)
{
    OrderComparisonModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Warning);
    const std::vector<DebtCard> cards = {card(12, "1000", "25"), card(0, "300", "20")};
    PlanOptions options;
    options.ownOrder = {1, 0};
    model.show(BuildEveryOrder(cards, dollars("200"), {2026, 4}, options));
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(rowText(model, 0),
              "\u2605 Highest rate first|October 2026|7|$34.16|$1,334.16|45 months sooner, $249.31 less");
    EXPECT_EQ(cell(model, 3, 0), "My own order");
    EXPECT_EQ(model.rowOf(PlanStrategy::OwnOrder), 3);
    EXPECT_TRUE(model.index(0, 3).data(Qt::FontRole).value<QFont>().bold());

    model.show(BuildEveryOrder({card(30, "1000", "25")}, dollars("25"), {2026, 4}));
    EXPECT_EQ(cell(model, 0, 1), "never paid off at this budget");
    EXPECT_EQ(model.cheapest(), std::nullopt);
}

} // namespace
} // namespace plenwick
