#include "main_window_fixture.h"

#include "app/plan_chart.h"

#include <QLineSeries>
#include <QTableView>

namespace plenwick {
namespace {

class PlanScreen : public testing_support::MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        enterCard(0, QStringLiteral("Harbor Gold"), QStringLiteral("12"), QStringLiteral("1000"), QStringLiteral("100"),
                  QStringLiteral("25"));
        enterCard(1, QStringLiteral("Meadow"), QStringLiteral("0"), QStringLiteral("300"), QStringLiteral("50"),
                  QStringLiteral("20"));
        click("MyCardsCMD", 3);
    }

    void calculate(const QString& budget)
    {
        type(control<QLineEdit>(QStringLiteral("BudgetText")), budget);
        click("CalPlanCMD");
    }
    QString text(const char* label) const { return control<QLabel>(QString::fromLatin1(label))->text(); }
    QAbstractItemModel* table() const { return control<QTableView>(QStringLiteral("PlanTable"))->model(); }
    QString cell(int row, int column) const { return table()->index(row, column).data().toString(); }
};

TEST_F(PlanScreen, TheBudgetAndOrderChosenGiveTheSummaryTheScheduleAndWhatAMoveGains)
{
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("BudgetText"))->text(), QStringLiteral("$150.00"));
    chooseWithKeyboard(control<QComboBox>(QStringLiteral("StrategyCombo")), 1); // smallest balance first
    calculate(QStringLiteral("200"));
    EXPECT_EQ(control<QLineEdit>(QStringLiteral("BudgetText"))->text(), QStringLiteral("$200.00"));
    EXPECT_EQ(text("PlanHeadline"), QStringLiteral("Debt-free in October 2026 (7\u00a0months)\nTotal interest $46.57\n"
                                                   "Total paid $1,346.57\nAgainst paying as now: 4 months sooner, "
                                                   "$12.41 less interest"));
    EXPECT_EQ(text("PlanCards"), QStringLiteral("Harbor Gold: paid off October 2026, interest\u00a0$46.57\n"
                                                "Meadow: paid off May 2026, interest\u00a0$0.00"));
    EXPECT_EQ(table()->rowCount(), 8);
    EXPECT_EQ(cell(0, 1), QStringLiteral("April 2026"));
    EXPECT_EQ(cell(0, 5), QStringLiteral("$175.00")); // Meadow gets what is left first
    EXPECT_EQ(cell(7, 2), QStringLiteral("$1,046.57"));

    // A year at 0 % for a $30.00 fee: no interest, the same seven months.
    window->useOfferInPlan(0, {QStringLiteral("Zero Intro"), RatePlan{12, 0, 12}, *money("30")});
    click("CalPlanCMD");
    EXPECT_EQ(text("PlanMoves"), QStringLiteral("Harbor Gold moved to Zero Intro, fee $30.00\nThe moves: the same "
                                                "debt-free month, $16.57 less to pay, fees included"));
    EXPECT_TRUE(text("PlanHeadline").endsWith(QStringLiteral("4 months sooner, $28.98 less interest and fees")));
}

TEST_F(PlanScreen, ALongPlanStopsAt1200MonthsIsDrawnFromASampleAndPrintedOnPages)
{
    click("MyCardsCMD", 0);
    type("TotalDueText", 1, QStringLiteral("100000"));
    click("MyCardsCMD", 3);
    calculate(QStringLiteral("45"));
    EXPECT_EQ(text("PlanMessage"),
              QStringLiteral("The plan would take more than 1,200 months (100 years); it stops there."));
    EXPECT_TRUE(control(QStringLiteral("PlanMessage"))->isVisibleTo(window.get()));
    EXPECT_EQ(table()->rowCount(), 1201);
    const QList<QAbstractSeries*> lines = control<PlanChart>(QStringLiteral("PlanChart"))->chart()->series();
    EXPECT_EQ(lines.size(), 3);
    for (QAbstractSeries* line : lines)
        EXPECT_LE(static_cast<QLineSeries*>(line)->count(), 301);

    savePath = folder.filePath(QStringLiteral("plan.pdf"));
    click("ExportCMD");
    EXPECT_TRUE(bytesOf(savePath).startsWith("%PDF"));
    EXPECT_GT(bytesOf(savePath).count("/Type /Page\n"), 20); // the schedule goes on over many pages
}

TEST_F(PlanScreen, ExportSavesTheScheduleOrTellsWhereAndWhyNot)
{
    calculate(QStringLiteral("200")); // highest rate first: Harbor Gold gets what is left
    savePath = folder.filePath(QStringLiteral("plan.csv"));
    click("ExportCMD");
    EXPECT_TRUE(bytesOf(savePath).startsWith("Month,Date,Harbor Gold payment,"));
    EXPECT_TRUE(bytesOf(savePath).endsWith("\r\nTotal,,1034.16,34.16,,300.00,0.00,\r\n"));
    EXPECT_EQ(messages->texts(), QStringList());

    savePath = folder.filePath(QStringLiteral("none/plan.csv"));
    click("ExportCMD");
    ASSERT_EQ(messages->texts().size(), 1);
    EXPECT_TRUE(messages->texts()[0].startsWith(
        QStringLiteral("The plan could not be saved to %1:\n").arg(QDir::toNativeSeparators(savePath))));
}

} // namespace
} // namespace plenwick
