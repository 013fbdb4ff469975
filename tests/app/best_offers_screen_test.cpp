#include "main_window_fixture.h"

#include <QHeaderView>
#include <QTableView>

namespace plenwick::testing_support {

const QByteArray kOffers = "Zero Fee Plus|offers/zero.htm|12|0|19.99\r\nPricey Gold|http://x/p|0|0|29.99|$95|3\r\n"
                           "Runaway|http://x/r|0|0|1000|$0|0\r\n";

class BestOffers : public MainWindowTest {
protected:
    void SetUp() override { }

    void openWith(TestHttpServer::Mode mode)
    {
        // A relative address is resolved against the offer file's own.
        server.route("/app/newCCOffers.txt", {200, kOffers, mode});
        openWindow();
        enterCard(0, {"Harbor Gold", "24.99", "3000", "150"});
    }

    void openBestOffers() { press(Qt::Key_5, Qt::AltModifier); }
    QTableView* table() const { return control<QTableView>("OffersTable"); }
    int rows() const { return table()->model()->rowCount(); }
    QString cell(int row, int column) const { return table()->model()->index(row, column).data().toString(); }
    bool ranked() const
    {
        return QTest::qWaitFor([this] { return rows() > 0; }, 5000);
    }
    void clickRow(int row)
    {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                          table()->visualRect(table()->model()->index(row, 1)).center());
    }
};

TEST_F(BestOffers, RanksEveryOfferForEachCardAndActsOnTheChosenRow)
{
    openWith(TestHttpServer::Mode::Answer);
    enterCard(1, {"Meadow", "12", "1000", "100"});
    enterCard(2, {"Stuck", "30", "1000", "1"});
    openBestOffers();
    ASSERT_TRUE(ranked());
    ASSERT_EQ(rows(), 9);
    const QStringList meadowBest = {"Meadow",  "\u2605 Zero Fee Plus", "12 mo at 0.00%",      "19.99%", "unknown",
                                    "unknown", "11 \u2192 10",         "$58.98 \u2192 $0.00", "$58.98"};
    for (int column = 0; column < meadowBest.size(); ++column)
        EXPECT_EQ(cell(3, column), meadowBest[column]) << column;
    EXPECT_EQ(cell(1, 4) + cell(1, 8).left(1), "$90.00 (3.00%)-"); // costs more than the card
    for (const int row : {0, 1, 3, 6}) // Stuck is never paid off with any offer: none is best
        EXPECT_EQ(table()->model()->index(row, 1).data(Qt::FontRole).value<QFont>().bold(), row % 3 == 0 && row < 6);

    // Offers never paid off stay last whichever way the saving is sorted.
    QHeaderView* header = table()->horizontalHeader();
    for (int order = 0; order < 2; ++order) {
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, {header->sectionViewportPosition(8) + 5, 5});
        for (int row = 4; row < 9; ++row)
            EXPECT_EQ(cell(row, 8), "never paid off") << order << row;
    }
    chooseWithKeyboard(control<QComboBox>("CardChoiceCombo"), 2);
    ASSERT_EQ(rows(), 3);
    EXPECT_EQ(cell(0, 0) + cell(1, 1), "MeadowPricey Gold");

    clickRow(0);
    EXPECT_TRUE(opener->opened.empty()); // choosing a row opens nothing
    click("ShowDetailsCMD");
    QTest::keyClick(table(), Qt::Key_Return);
    EXPECT_EQ(opener->opened, QList<QUrl>(2, server.url("/app/offers/zero.htm")));

    clickRow(1);
    click("UseInPlanCMD"); // My Plan takes the move and shows it
    EXPECT_EQ(window->screenIndex(), frmMain::Screen::MyPlan);
    EXPECT_TRUE(caption("PlanMoves").startsWith("Meadow moved to Pricey Gold, fee $30.00\n"));
}

TEST_F(BestOffers, NewOffersOrAChangedCardRankAfreshAndACancelledRankingNeverShows)
{
    openWith(TestHttpServer::Mode::Hold);
    openBestOffers();
    EXPECT_EQ(caption("RankStatus"), "No offers have come from the server yet.");
    ASSERT_TRUE(QTest::qWaitFor([this] { return server.requests("/app/newCCOffers.txt") == 1; }, 5000));
    server.release(); // ranked at once, the screen being in view
    ASSERT_TRUE(ranked());

    // An edit drops the ranking started on showing, before it answers.
    click("MyCardsCMD", 0);
    type("CardNameText", 0, "Harbor Blue");
    openBestOffers();
    click("MyCardsCMD", 0);
    type("ActualPaymentText", 0, "200");
    QTest::qWait(300);
    EXPECT_EQ(rows(), 0);
    EXPECT_FALSE(shown("RankProgress"));
    openBestOffers();
    ASSERT_TRUE(ranked());
    EXPECT_EQ(cell(0, 0) + cell(0, 6), "Harbor Blue19 \u2192 16");

    // The person's cancel holds until "Rank".
    click("MyCardsCMD", 0);
    type("AnnualFeeText", 0, "10");
    openBestOffers();
    click("CancelRankCMD");
    click("MyCardsCMD", 2);
    openBestOffers();
    QTest::qWait(300);
    EXPECT_EQ(rows(), 0);
    click("RankCMD");
    EXPECT_TRUE(ranked());
}

} // namespace plenwick::testing_support
