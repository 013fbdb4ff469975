#include "main_window_fixture.h"

#include <QHeaderView>
#include <QTableView>

namespace plenwick::testing_support {

const QString kOfferPath = "/app/newCCOffers.txt";

class OffersWindow : public MainWindowTest {
protected:
    void SetUp() override { }

    void openWith(const TestHttpServer::Route& offers)
    {
        server.route(kOfferPath, offers);
        const int before = server.requests(kOfferPath);
        openWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests(kOfferPath) > before; }));
        QTest::qWait(100); // an answer the server does not hold has arrived
    }

    void openSavingsWithWorkedCard()
    {
        enterCard(0, {"Harbor Gold", "18", "5000", "150"});
        click("MyCardsCMD", 2);
    }

    QByteArray offerFile() const
    {
        return "Harbor Rewards|" + server.url("/app/offers/harbor rewards.htm").toEncoded() +
               "|12|0|13.99\r\nOdd Scheme Card|javascript:alert(1)|0|0|9.99\r\nMeadow Cash||6|1.9|24.99\r\n";
    }
};

TEST_F(OffersWindow, OffersAreChosenAndOpenedFromMySavings)
{
    openWith({200, offerFile()});
    openSavingsWithWorkedCard();
    ASSERT_EQ(choice("CardCombo", 4)->count(), 3);
    EXPECT_EQ(caption("Savings3Lable", 0),
              "Harbor Rewards would enable you to pay off your card 10 months early and save a total of $1,500.00");

    QWidget* details = control("ShowDetailsLable", 0);
    click(details);
    details->setFocus();
    QTest::keyClick(details, Qt::Key_Return);
    EXPECT_EQ(opener->opened, QList<QUrl>(2, server.url("/app/offers/harbor rewards.htm")));

    for (const int offer : {1, 2}) { // not a web address; no address at all
        chooseWithKeyboard(choice("CardCombo", 0), offer);
        click(details);
    }
    EXPECT_EQ(caption("Savings3Lable", 0), "-"); // Meadow Cash costs more than the card
    click("ShowDetailsLable", 1);                // no offer chosen in that row
    EXPECT_EQ(opener->opened.size(), 2);
    EXPECT_TRUE(messages->texts.isEmpty());

    opener->browserAnswers = false; // no browser could be started: the person is told
    chooseWithKeyboard(choice("CardCombo", 0), 0);
    click(details);
    ASSERT_EQ(messages->texts.size(), 1);
    EXPECT_TRUE(messages->texts[0].contains("/app/offers/harbor%20rewards.htm"));
}

TEST_F(OffersWindow, TheWindowKeepsWorkingWhileTheOffersAreOnTheirWayAndSaysNothingWhenTheyFail)
{
    openWith({503, offerFile()});
    openSavingsWithWorkedCard();
    EXPECT_EQ(choice("CardCombo", 0)->count(), 1);
    EXPECT_TRUE(messages->texts.isEmpty());

    openWith({200, offerFile(), TestHttpServer::Mode::Hold});
    openSavingsWithWorkedCard();
    click("ShowDetailsLable", 0); // the placeholder opens nothing
    EXPECT_TRUE(opener->opened.empty());
    window->blinker()->timer()->start(); // timers keep their time during the download
    const bool before = window->blinker()->resultsShown();
    QTest::qWait(600);
    EXPECT_NE(window->blinker()->resultsShown(), before);

    server.release();
    QTest::qWait(200);
    EXPECT_EQ(choice("CardCombo", 0)->itemText(0), "No Card found"); // until the next visit
    click("MyCardsCMD", 1);
    click("MyCardsCMD", 2);
    EXPECT_EQ(choice("CardCombo", 0)->itemText(0), "Harbor Rewards");
}

TEST_F(OffersWindow, StoredFiguresThatWouldRunForAgesAnswerAtOnce)
{
    writeCardFile("3/1/2026 9:00:00 AM\r\nCard A|$0.00|0.0000000012|$100,000,000,000.00|$0.11|$0.11\r\n"
                  "|||||\r\n|||||\r\n|||||\r\n|||||\r\n");
    openWith({200, "Tiny|http://x/|0|0|0.0000000012\r\n"});
    click("MyCardsCMD", 1);
    type("AmountIcanPayText", 0, "0.11");
    click("CalTimeCMD", 0);
    EXPECT_EQ(caption("MonthsLable", 0), "More than 5000000 months");
    click("MyCardsCMD", 2); // the offer arrived before: My Savings runs the offer at once
    EXPECT_EQ(choice("CardCombo", 0)->currentText(), "Tiny");
    EXPECT_EQ(caption("Savings3Lable", 0), "-");
    EXPECT_TRUE(messages->texts.isEmpty());
}

// A relative address is resolved against the offer file's own.
const QByteArray kOffers = "Zero Fee Plus|offers/zero.htm|12|0|19.99\r\nPricey Gold|http://x/p|0|0|29.99|$95|3\r\n"
                           "Runaway|http://x/r|0|0|1000|$0|0\r\n";

class BestOffers : public OffersWindow {
protected:
    void openWithCard(const TestHttpServer::Route& offers)
    {
        openWith(offers);
        enterCard(0, {"Harbor Gold", "24.99", "3000", "150"});
    }
    void openBestOffers() { QTest::keyClick(window.get(), Qt::Key_5, Qt::AltModifier); }
    QTableView* table() const { return control<QTableView>("OffersTable"); }
    int rows() const { return table()->model()->rowCount(); }
    QString cell(int row, int column) const { return table()->model()->index(row, column).data().toString(); }
    bool ranked() const
    {
        return QTest::qWaitFor([this] { return rows() > 0; });
    }
    void clickRow(int row) { QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cellCentre(row)); }
    QPoint cellCentre(int row) const { return table()->visualRect(table()->model()->index(row, 1)).center(); }
};

TEST_F(BestOffers, RanksEveryOfferForEachCardAndActsOnTheChosenRow)
{
    openWithCard({200, kOffers});
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
    openWithCard({200, kOffers, TestHttpServer::Mode::Hold});
    openBestOffers();
    EXPECT_EQ(caption("RankStatus"), "No offers have come from the server yet.");
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
