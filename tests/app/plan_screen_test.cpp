#include "main_window_fixture.h"

#include "app/plan_chart.h"

#include <QLineSeries>
#include <QTableView>

namespace plenwick::testing_support {

class PlanScreen : public MainWindowTest {
protected:
    void calculate(const QString& budget)
    {
        type("BudgetText", -1, budget);
        click("CalPlanCMD");
    }
    QAbstractItemModel* table() const { return control<QTableView>("PlanTable")->model(); }
    QString cell(int row, int column) const { return table()->index(row, column).data().toString(); }
};

TEST_F(PlanScreen, TheBudgetAndOrderChosenGiveTheSummaryTheScheduleWhatAMoveGainsAndTheExports)
{
    enterCard(0, {"Harbor Gold", "12", "1000", "100", "25"});
    enterCard(1, {"Meadow", "0", "300", "50", "20"});
    click("MyCardsCMD", 3);
    EXPECT_EQ(box("BudgetText")->text(), "$150.00");
    // Export saves the schedule or tells where and why not.
    calculate("200"); // highest rate first: Harbor Gold gets what is left
    savePath = folder.filePath("plan.csv");
    click("ExportCMD");
    EXPECT_TRUE(bytesOf(savePath).startsWith("Month,Date,Harbor Gold payment,"));
    EXPECT_TRUE(bytesOf(savePath).endsWith("\r\nTotal,,1034.16,34.16,,300.00,0.00,\r\n"));
    savePath = folder.filePath("none/plan.csv");
    click("ExportCMD");
    EXPECT_EQ(messages->texts.join(""),
              "The plan could not be saved to " + QDir::toNativeSeparators(savePath) + ":\nNo such file or directory");

    chooseWithKeyboard(choice("StrategyCombo"), 1); // smallest balance first
    click("CalPlanCMD");
    EXPECT_EQ(box("BudgetText")->text(), "$200.00");
    EXPECT_EQ(caption("PlanHeadline"), "Debt-free in October 2026 (7\u00a0months)\nTotal interest $46.57\nTotal paid "
                                       "$1,346.57\nAgainst paying as now: 4 months sooner, $12.41 less interest");
    EXPECT_EQ(caption("PlanCards"), "Harbor Gold: paid off October 2026, interest\u00a0$46.57\n"
                                    "Meadow: paid off May 2026, interest\u00a0$0.00");
    EXPECT_EQ(table()->rowCount(), 8);
    // Meadow gets what is left first.
    EXPECT_EQ(cell(0, 1) + " " + cell(0, 5) + " " + cell(7, 2), "April 2026 $175.00 $1,046.57");

    // A year at 0 % for a $30.00 fee: no interest, the same seven months.
    window->useOfferInPlan(0, {"Zero Intro", RatePlan{12, 0, 12}, *money("30")});
    click("CalPlanCMD");
    EXPECT_EQ(caption("PlanMoves"), "Harbor Gold moved to Zero Intro, fee $30.00\nThe moves: the same debt-free "
                                    "month, $16.57 less to pay, fees included");
    EXPECT_TRUE(caption("PlanHeadline").endsWith("4 months sooner, $28.98 less interest and fees"));

    // A long plan stops at 1,200 months, is drawn from a sample and goes on over many pages.
    click("MyCardsCMD", 0);
    type("TotalDueText", 1, "100000");
    click("MyCardsCMD", 3);
    calculate("45");
    EXPECT_TRUE(shown("PlanMessage"));
    EXPECT_EQ(caption("PlanMessage"), "The plan would take more than 1,200 months (100 years); it stops there.");
    EXPECT_EQ(table()->rowCount(), 1201);
    const QList<QAbstractSeries*> lines = control<PlanChart>("PlanChart")->chart()->series();
    EXPECT_EQ(lines.size(), 3);
    for (QAbstractSeries* line : lines)
        EXPECT_LE(static_cast<QLineSeries*>(line)->count(), 301);
    savePath = folder.filePath("plan.pdf");
    click("ExportCMD");
    EXPECT_TRUE(bytesOf(savePath).startsWith("%PDF"));
    EXPECT_GT(bytesOf(savePath).count("/Type /Page\n"), 20);
}

} // namespace plenwick::testing_support
