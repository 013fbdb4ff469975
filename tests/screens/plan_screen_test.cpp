#include "screen_fixture.h"
#include "screens/plan_screen.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>

#include <csignal>

#include <sys/resource.h>

namespace plenwick::testing_support {

class PlanScreenTest : public ScreenTest {
protected:
    void SetUp() override { screen = open(std::make_unique<PlanScreen>(context(), nullptr), cards); }
    QString cell(const char* table, int row, int column) const
    {
        return control<QTableView>(table)->model()->index(row, column).data().toString();
    }
    // The plan is made beside the window: waits until this holds.
    bool planned(const std::function<bool()>& shows) const { return QTest::qWaitFor(shows, 2000); }
    bool headlineStarts(const QString& start) const
    {
        return planned([&] { return caption("planHeadline").startsWith(start); });
    }
    // Brings the tab of the view to the front, as a click on it would.
    QTableView* showTab(const char* table)
    {
        auto* view = control<QTableView>(table);
        auto* views = control<QTabWidget>("planViews");
        views->setCurrentIndex(views->indexOf(view->parentWidget()));
        return view;
    }
    // Types into a cell of a table as a person would, and leaves it with Enter.
    void typeInto(const char* table, int row, int column, const QString& text)
    {
        QTableView* view = showTab(table);
        view->setFocus();
        view->setCurrentIndex(view->model()->index(row, column));
        QTest::keyClick(view, Qt::Key_F2);
        QWidget* editor = QApplication::focusWidget();
        ASSERT_NE(editor, view);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::qWait(0); // the editor closes
    }

    CardBook cards{{{{"Harbor Gold", "", "12", "$1,000.00", "$25.00", "$100.00"}},
                    {{"Meadow", "", "0", "$300.00", "$20.00", "$50.00"}}}};
    PlanScreen* screen = nullptr;
};

TEST_F(PlanScreenTest, TheBudgetAndOrderGiveThePlanWithEveryOrderSideBySideAndAreHeardByName)
{
    EXPECT_EQ(box("budgetBox")->text(), "$150.00"); // what the cards are paid now
    type("budgetBox", -1, "200");
    ASSERT_TRUE(headlineStarts("Debt-free in October 2026 (7\u00a0months)"));
    EXPECT_EQ(heard("budgetBox"), "EditableText \"Monthly budget\": $200.00");
    EXPECT_EQ(heard("planHeadline"), "StaticText \"Plan summary\": " + caption("planHeadline"));
    EXPECT_EQ(cell("scheduleView", 0, 2), "$180.00"); // highest rate first: Harbor Gold gets what is left

    control<QTableView>("orderView")->selectRow(1); // choosing an order shows its plan
    EXPECT_EQ(choice("orderChoice")->currentText(), "Smallest balance first");
    ASSERT_TRUE(planned([this] { return cell("scheduleView", 0, 2) == "$25.00"; })); // Meadow gets it now
    screen->enter(cards);                                                            // a budget typed stays
    EXPECT_EQ(box("budgetBox")->text(), "$200.00");
    EXPECT_EQ(screen->saved().budget, "$200.00");

    type("budgetBox", -1, "lots");
    EXPECT_EQ(caption("planMessage"), "Enter the monthly budget as an amount, such as $500.00.");
    EXPECT_FALSE(control("scheduleView")->isEnabled()); // the last plan is not shown as this one
}

TEST_F(PlanScreenTest, OtherDebtsTheOwnOrderAndDatedChangesArePlannedAndKept)
{
    QSignalSpy kept(screen, &PlanScreen::savedChanged);
    showTab("debtsView");
    click("addDebtButton");
    for (const auto& [column, typed] : {std::pair{0, "Car loan"}, {1, "5000"}, {2, "6.9"}, {3, "250"}})
        typeInto("debtsView", 2, column, typed);
    QTest::keyClick(control("debtsView"), Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(control("debtsView"), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(cell("debtsView", 0, 0), "Car loan");
    EXPECT_EQ(choice("orderChoice")->currentText(), "My own order");
    EXPECT_EQ(box("budgetBox")->text(), "$400.00"); // the loan's payment is paid now too
    ASSERT_TRUE(planned([this] { return cell("scheduleView", 0, 8) == "$355.00"; })); // the rest after the minimums
    const SavedPlan saved = kept.last().at(0).value<SavedPlan>();
    EXPECT_EQ(saved.ownOrder, (QStringList{"debt 1", "card 1", "card 2"}));

    showTab("changesView");
    click("addExtraPaymentButton");
    EXPECT_EQ(cell("changesView", 0, 1), "May 2026");
    typeInto("changesView", 0, 2, "1000");
    ASSERT_TRUE(planned([this] { return cell("scheduleView", 1, 8) == "$1,355.00"; })); // the extra goes first too
}

TEST_F(PlanScreenTest, AMoveToAnOfferShowsWhatItGainsUntilThePersonTakesItBack)
{
    type("budgetBox", -1, "200");
    screen->useOffer(0, {"Zero Intro", RatePlan{12, 0, 12}, MoneyAmount::fromTicks(300000)});
    ASSERT_TRUE(planned([this] { return shown("planMoves"); }));
    EXPECT_TRUE(caption("planMoves").startsWith("Harbor Gold moved to Zero Intro, fee $30.00\nThe moves:"));
    auto* back = control<QPushButton>("undoMoveButton", 0);
    EXPECT_EQ(back->text(), "Back to Harbor Gold as it is");
    click(back);
    EXPECT_TRUE(planned([this] { return !shown("planMoves"); }));
    EXPECT_TRUE(screen->saved().moves.empty());
}

TEST_F(PlanScreenTest, ExportSavesTheScheduleOrSaysWhereAndWhyNot)
{
    type("budgetBox", -1, "200");
    ASSERT_TRUE(headlineStarts("Debt-free"));
    savePath = folder.filePath("plan.csv");
    click("exportButton");
    EXPECT_TRUE(bytesOf(savePath).startsWith("Made,2026-03-14\r\n"));
    cards[1][CardRow::TotalDue] = "$100,000.00"; // 1,200 months of schedule over many pages
    screen->enter(cards);
    type("budgetBox", -1, "45");
    ASSERT_TRUE(planned([this] { return control<QTableView>("scheduleView")->model()->rowCount() == 1201; }));
    savePath = folder.filePath("plan.pdf");
    click("exportButton");
    EXPECT_GT(bytesOf(savePath).count("/Type /Page\n"), 20);
    // A disk that refuses the bytes: its reason, and no file left behind.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{100, limit.rlim_max}; // a disk that fills after 100 bytes
    for (const char* name : {"full.csv", "full.pdf"}) {
        savePath = folder.filePath(name);
        setrlimit(RLIMIT_FSIZE, &small);
        click("exportButton");
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(messages->texts.value(0),
                  "The plan could not be saved to " + QDir::toNativeSeparators(savePath) + ":\nFile too large");
        messages->texts.clear();
        EXPECT_FALSE(QFile::exists(savePath));
    }
}

} // namespace plenwick::testing_support
