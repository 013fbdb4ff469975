#include "main_window_fixture.h"

#include <QElapsedTimer>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;
using testing_support::TestHttpServer;

const QString kOfferPath = QStringLiteral("/app/newCCOffers.txt");

class OffersWindow : public MainWindowTest {
protected:
    void SetUp() override
    {
        server.route(kOfferPath, offerRoute());
        MainWindowTest::SetUp();
    }

    // How the server answers for the offer file.
    virtual TestHttpServer::Route offerRoute() const { return {200, offerFile()}; }

    QByteArray offerFile() const
    {
        return "Harbor Rewards|" + server.url(QStringLiteral("/app/offers/harbor rewards.htm")).toEncoded() +
               "|12|0|13.99\r\n"
               "Odd Scheme Card|javascript:alert(1)|0|0|9.99\r\n"
               "Meadow Cash||6|1.9|24.99\r\n";
    }

    // The download starts about a second after the window opens.
    bool waitForDownload()
    {
        return QTest::qWaitFor([this] { return server.requests(kOfferPath) == 1; }, 5000) && (QTest::qWait(100), true);
    }

    void openSavingsWithWorkedCard()
    {
        enterCard(0, QStringLiteral("Harbor Gold"), QStringLiteral("18"), QStringLiteral("5000"),
                  QStringLiteral("150"));
        click("MyCardsCMD", 2);
    }
};

TEST_F(OffersWindow, AsksForTheBannerOnceAtStartUp)
{
    ASSERT_EQ(bannerPages.size(), 1u);
    EXPECT_EQ(bannerPages[0], server.url(QStringLiteral("/app/CCAppBanner.htm")));
    QWidget* banner = control(QStringLiteral("wb1"));
    EXPECT_EQ(banner->parentWidget(), control(QStringLiteral("Picture3")));
    EXPECT_TRUE(banner->geometry().contains(banner->parentWidget()->rect()));
}

TEST_F(OffersWindow, DownloadsTheOffersOnceAboutASecondAfterStart)
{
    auto* timer = window->findChild<QTimer*>(QStringLiteral("Timer3"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isSingleShot());
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_EQ(server.requests(kOfferPath), 0);
    ASSERT_TRUE(waitForDownload());
    QTest::qWait(300);
    EXPECT_EQ(server.requests(kOfferPath), 1);

    click("MyCardsCMD", 2);
    const QComboBox* offers = choice("CardCombo", 4);
    ASSERT_EQ(offers->count(), 3);
    EXPECT_EQ(offers->itemText(0), QStringLiteral("Harbor Rewards"));
    EXPECT_EQ(offers->itemText(2), QStringLiteral("Meadow Cash"));
}

TEST_F(OffersWindow, SwitchingCardWorkedExampleEndToEnd)
{
    ASSERT_TRUE(waitForDownload());
    openSavingsWithWorkedCard();
    EXPECT_EQ(choice("CardCombo", 0)->currentIndex(), 0);
    EXPECT_EQ(caption("Savings3Lable", 0),
              QStringLiteral("Harbor Rewards would enable you to pay off your card 10 months early and save a total of "
                             "$1,500.00"));

    chooseWithKeyboard(choice("CardCombo", 0), 2); // Meadow Cash: dearer than the card itself
    EXPECT_EQ(caption("Savings3Lable", 0), QStringLiteral("-"));
}

TEST_F(OffersWindow, ShowDetailsOpensTheChosenOffersPageEachClick)
{
    ASSERT_TRUE(waitForDownload());
    openSavingsWithWorkedCard();
    click(control<QAbstractButton>(QStringLiteral("CalSavingsCMD_0"))); // a click elsewhere opens nothing
    EXPECT_TRUE(opener->opened.empty());

    QWidget* details = control("ShowDetailsLable", 0);
    QTest::mouseClick(details, Qt::LeftButton);
    details->setFocus();
    QTest::keyClick(details, Qt::Key_Return);
    ASSERT_EQ(opener->opened.size(), 2u);
    EXPECT_EQ(opener->opened[0], server.url(QStringLiteral("/app/offers/harbor rewards.htm")));
    EXPECT_EQ(opener->opened[0].path(), QStringLiteral("/app/offers/harbor rewards.htm"));

    chooseWithKeyboard(choice("CardCombo", 0), 1); // not a web address
    QTest::mouseClick(details, Qt::LeftButton);
    chooseWithKeyboard(choice("CardCombo", 0), 2); // no address at all
    QTest::mouseClick(details, Qt::LeftButton);
    EXPECT_EQ(opener->opened.size(), 2u);

    // A row with no offer chosen ignores the click.
    QTest::mouseClick(control("ShowDetailsLable", 1), Qt::LeftButton);
    EXPECT_EQ(opener->opened.size(), 2u);
}

TEST_F(OffersWindow, APlaceholderChoiceOpensNothing)
{
    openSavingsWithWorkedCard(); // before the download: "No Card found"
    ASSERT_EQ(choice("CardCombo", 0)->currentText(), QStringLiteral("No Card found"));
    ASSERT_TRUE(waitForDownload());
    QTest::mouseClick(control("ShowDetailsLable", 0), Qt::LeftButton);
    EXPECT_TRUE(opener->opened.empty());
    EXPECT_EQ(caption("Savings3Lable", 0), QStringLiteral("-"));
}

class SlowOffers : public OffersWindow {
protected:
    TestHttpServer::Route offerRoute() const override { return {200, offerFile(), TestHttpServer::Mode::Hold}; }
};

TEST_F(SlowOffers, TheWindowKeepsWorkingWhileTheOffersAreOnTheirWay)
{
    ASSERT_TRUE(QTest::qWaitFor([this] { return server.requests(kOfferPath) == 1; }, 5000));
    openSavingsWithWorkedCard();
    EXPECT_EQ(choice("CardCombo", 0)->itemText(0), QStringLiteral("No Card found"));

    // Timers keep their time during the download.
    window->blinker()->timer()->start();
    const bool before = window->blinker()->resultsShown();
    QTest::qWait(600);
    EXPECT_NE(window->blinker()->resultsShown(), before);

    server.release();
    QTest::qWait(200);
    EXPECT_EQ(choice("CardCombo", 0)->itemText(0), QStringLiteral("No Card found")); // until the next switch
    click("MyCardsCMD", 1);
    click("MyCardsCMD", 2);
    EXPECT_EQ(choice("CardCombo", 0)->itemText(0), QStringLiteral("Harbor Rewards"));
}

class FailingOffers : public OffersWindow {
protected:
    TestHttpServer::Route offerRoute() const override { return {503, offerFile()}; }
};

TEST_F(FailingOffers, AFailedDownloadLeavesOnlyThePlaceholderAndSaysNothing)
{
    ASSERT_TRUE(waitForDownload());
    openSavingsWithWorkedCard();
    EXPECT_EQ(choice("CardCombo", 0)->count(), 1);
    EXPECT_EQ(choice("CardCombo", 0)->itemText(0), QStringLiteral("No Card found"));
    EXPECT_TRUE(messages->shown.empty());
}

} // namespace
} // namespace plenwick
