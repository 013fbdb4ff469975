#include "main_window_fixture.h"

#include <QTableView>

namespace plenwick {
namespace {

using testing_support::bytesOf;
using testing_support::MainWindowTest;

class KeptPlan : public MainWindowTest {
protected:
    QString planPath() const { return folder.filePath("myplan.json"); }
    QAbstractItemModel* debts() const { return control<QTableView>("debtsView")->model(); }
};

TEST_F(KeptPlan, TheBudgetTheOwnOrderAndOtherDebtsComeBackAtTheNextStart)
{
    enterCard(0, {"Harbor Gold", "24.99", "3000", "150"});
    window->switchScreen(frmMain::Screen::MyPlan);
    click("addDebtButton");
    debts()->setData(debts()->index(1, 0), "Car loan");
    auto* view = control<QTableView>("debtsView");
    view->setCurrentIndex(debts()->index(1, 0));
    QTest::keyClick(view, Qt::Key_Up, Qt::ControlModifier);
    type("budgetBox", -1, "700");
    window->close();
    EXPECT_TRUE(bytesOf(planPath()).contains("\"Car loan\""));

    openWindow();
    window->switchScreen(frmMain::Screen::MyPlan);
    EXPECT_EQ(box("budgetBox")->text(), "$700.00");
    EXPECT_EQ(choice("orderChoice")->currentText(), "My own order");
    EXPECT_EQ(debts()->index(0, 0).data().toString(), "Car loan");
    EXPECT_TRUE(messages->texts.isEmpty());
}

} // namespace
} // namespace plenwick
