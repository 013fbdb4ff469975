#include "main_window_fixture.h"

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
        ASSERT_TRUE(QTest::qWaitFor([&] { return server.requests(kOfferPath) > before; }, 5000));
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
    ASSERT_EQ(opener->opened.size(), 2);
    EXPECT_EQ(opener->opened[0].path(), "/app/offers/harbor rewards.htm");

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

} // namespace plenwick::testing_support
