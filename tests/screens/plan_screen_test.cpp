#include "screen_fixture.h"
#include "screens/plan_screen.h"

#include <QPushButton>
#include <QTableView>

#include <csignal>

#include <sys/resource.h>

namespace plenwick::testing_support {

class PlanScreenTest : public ScreenTest {
protected:
    void SetUp() override { screen = open(std::make_unique<PlanScreen>(context(), nullptr), cards); }
    void calculate(const QString& budget)
    {
        type("budgetBox", -1, budget);
        click("calculatePlanButton");
    }
    QString cell(int row, int column) const
    {
        return control<QTableView>("scheduleView")->model()->index(row, column).data().toString();
    }

    CardBook cards = cardsOf({{{"Harbor Gold", "", "12", "$1,000.00", "$25.00", "$100.00"}},
                              {{"Meadow", "", "0", "$300.00", "$20.00", "$50.00"}}});
    PlanScreen* screen = nullptr;
};

TEST_F(PlanScreenTest, TheBudgetAndOrderChosenGiveThePlanAndItsSchedule)
{
    EXPECT_EQ(box("budgetBox")->text(), "$150.00"); // what the cards are paid now
    calculate("200");
    EXPECT_EQ(caption("planHeadline").section('\n', 0, 0), "Debt-free in October 2026 (7\u00a0months)");
    EXPECT_EQ(cell(0, 2), "$180.00"); // highest rate first: Harbor Gold gets what is left
    chooseWithKeyboard(choice("orderChoice"), 1);
    click("calculatePlanButton");
    EXPECT_EQ(cell(0, 2), "$25.00"); // smallest balance first: Meadow does
    EXPECT_EQ(caption("planCards"), "Harbor Gold: paid off October 2026, interest\u00a0$46.57\n"
                                    "Meadow: paid off May 2026, interest\u00a0$0.00");
    screen->enter(cards); // a budget typed stays
    EXPECT_EQ(box("budgetBox")->text(), "$200.00");

    calculate("lots");
    EXPECT_EQ(caption("planMessage"), "Enter the monthly budget as an amount, such as $500.00.");
    EXPECT_FALSE(shown("planHeadline"));
    cards[1][CardRow::InterestRate] = "twelve";
    screen->enter(cards);
    calculate("200");
    EXPECT_EQ(messages->texts, QStringList{"Card 2: the Interest Rate \"twelve\" is not a number"});
}

TEST_F(PlanScreenTest, AMoveToAnOfferShowsWhatItGainsUntilThePersonTakesItBack)
{
    calculate("200");
    screen->useOffer(0, {"Zero Intro", RatePlan{12, 0, 12}, MoneyAmount::fromTicks(300000)});
    click("calculatePlanButton");
    EXPECT_EQ(caption("planMoves"), "Harbor Gold moved to Zero Intro, fee $30.00\nThe moves: the same debt-free "
                                    "month, $4.16 less to pay, fees included");
    auto* back = control<QPushButton>("undoMoveButton", 0);
    EXPECT_EQ(back->text(), "Back to Harbor Gold as it is");
    click(back);
    EXPECT_FALSE(shown("planMoves"));
}

TEST_F(PlanScreenTest, ExportSavesTheScheduleOrSaysWhereAndWhyNot)
{
    calculate("200");
    savePath = folder.filePath("plan.csv");
    click("exportButton");
    EXPECT_TRUE(bytesOf(savePath).endsWith("\r\nTotal,,1034.16,34.16,,300.00,0.00,\r\n"));
    savePath = folder.filePath("plan.pdf");
    click("exportButton");
    EXPECT_TRUE(bytesOf(savePath).startsWith("%PDF"));
    cards[1][CardRow::TotalDue] = "$100,000.00"; // 1,200 months of schedule over many pages
    screen->enter(cards);
    calculate("45");
    click("exportButton");
    EXPECT_GT(bytesOf(savePath).count("/Type /Page\n"), 20);
    savePath = folder.filePath("none/plan.csv");
    click("exportButton");
    EXPECT_EQ(messages->texts.join(""),
              "The plan could not be saved to " + QDir::toNativeSeparators(savePath) + ":\nNo such file or directory");
}

TEST_F(PlanScreenTest, AnExportThatTheDiskRefusesSaysTheDisksReason)
{
    calculate("200");
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit small{100, limit.rlim_max}; // a disk that fills after 100 bytes
    for (const char* name : {"plan.csv", "plan.pdf"}) {
        savePath = folder.filePath(name);
        setrlimit(RLIMIT_FSIZE, &small);
        click("exportButton");
        setrlimit(RLIMIT_FSIZE, &limit);
        EXPECT_EQ(messages->texts.value(0).section(":\n", 1), "File too large") << name;
        messages->texts.clear();
        EXPECT_FALSE(QFile::exists(savePath));
    }
}

} // namespace plenwick::testing_support
