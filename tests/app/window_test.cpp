#include "main_window_fixture.h"

#include "app/frm_splash.h"

#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTextBrowser>

namespace plenwick::testing_support {

using MainWindow = MainWindowTest;

TEST_F(MainWindow, ScreenButtonsAndKeysSwitchScreensEachStartingAtItsFirstBoxWithItsOwnHelp)
{
    const auto expectOnly = [this](int screen) {
        for (int other = 0; other < 5; ++other) {
            EXPECT_EQ(shown("Picture1", other), other == screen) << other;
            EXPECT_EQ(control<QPushButton>("MyCardsCMD", other)->isChecked(), other == screen) << other;
        }
    };
    expectOnly(0); // at start "My Cards" is in front
    click("NextCMD", 0);
    expectOnly(1);
    click("PrevCMD", 1);
    expectOnly(0);
    control<QPushButton>("MyCardsCMD", 2)->setChecked(true); // pressed from code: no click
    EXPECT_EQ(static_cast<int>(window->screenIndex()), 0);
    QTest::keyClick(window.get(), Qt::Key_3, Qt::AltModifier);
    expectOnly(2);

    const std::tuple<int, const char*, const char*> screens[] = {
        {1, "My Costs", "AmountIcanPayText_0"},
        {3, "My Plan", "budgetBox"},
        {4, "Best Offers", "cardChoice"},
        {0, "My Cards", "CardNameText_0"},
    };
    for (const auto& [screen, title, first] : screens) {
        QApplication::setActiveWindow(window.get()); // back from the help window
        click("MyCardsCMD", screen);
        expectOnly(screen);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), first);
        EXPECT_EQ(heard("MyCardsCMD", screen), QString("PageTab \"%1\": ").arg(title));
        QTest::keyClick(window.get(), Qt::Key_F1);
        EXPECT_EQ(control<QTextBrowser>("helpBrowser")->documentTitle(), title);
    }
    control<QPushButton>("helpButton")->menu()->actions().constLast()->trigger(); // About
    EXPECT_TRUE(messages->texts.last().contains("Web server: " + server.url().toString()));
    QApplication::setActiveWindow(window.get());
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(cardFilePath()));
    control("MyCardsCMD", 4)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(box("CardNameText", 0)->hasFocus());
}

TEST_F(MainWindow, CardsAreSavedOnSaveOnLeavingAndOnClosingOrThePersonIsTold)
{
    type("CardNameText", 1, "Meadow");
    click("SaveCMD");
    EXPECT_EQ(savedBytes(), "3/14/2026 9:05:12 PM\r\n|||||\r\nMeadow|||||\r\n|||||\r\n|||||\r\n|||||\r\n");
    EXPECT_EQ(caption("statusLine"), "Saved 1 card to " + QDir::toNativeSeparators(cardFilePath()));

    enterCard(0, {"Harbor Gold", "18.9", "5000", "150"});
    click("MyCardsCMD", 2); // leaving writes
    EXPECT_TRUE(savedBytes().contains("Harbor Gold||18.90|$5,000.00||$150.00"));
    QFile::remove(cardFilePath());
    click("PrevCMD", 2); // leaving another screen does not
    click("PrevCMD", 1);
    EXPECT_TRUE(savedBytes().isEmpty());
    type("ActualPaymentText", 0, "175");
    window->resize(1000, 600);
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(savedBytes().contains("$175.00"));

    openWindow(); // nothing changed: nothing written; the window as it was left
    EXPECT_EQ(window->size(), QSize(1000, 600));
    QFile::remove(cardFilePath());
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFile::exists(cardFilePath()));
    EXPECT_TRUE(messages->texts.isEmpty());

    openWindow();
    QDir(folder.path()).mkdir("mycards.dat"); // nothing can be written there
    type("CardNameText", 0, "Harbor Gold");
    click("NextCMD", 0);
    ASSERT_EQ(messages->texts.size(), 1);
    EXPECT_TRUE(messages->texts[0].contains(cardFilePath()));
    EXPECT_EQ(box("CardName2Text", 0)->text(), "Harbor Gold"); // the program goes on
    messages->chooseFirst = false;                             // "Stay"
    EXPECT_FALSE(window->close());
    messages->chooseFirst = true; // "Close anyway"
    EXPECT_TRUE(window->close());
}

TEST_F(MainWindow, ANewMonthLowersTheBalancesAndSaysSoUntilTheNextSave)
{
    const QByteArray saved = "1/15/2026 8:00:00 AM\r\nHarbor Gold|$45.00|18.90|$1,000.00|$35.00|$150.00\r\n"
                             "Meadow||12.00||$25.00|$100.00\r\n|||||\r\n|||||\r\n|||||\r\n";
    writeCardFile(saved);
    now = QDateTime(QDate(2026, 3, 20), QTime(9, 0));
    openWindow();
    EXPECT_EQ(box("TotalDueText", 0)->text(), "$700.00");
    EXPECT_EQ(caption("advanceNote"),
              "Balances lowered by 2 months of payments since your save of 15 January 2026. "
              "No interest was added; with it, your statements will show more (Harbor Gold "
              "about $729.39). Check the balances against them."); // 1,000 + 15.75 - 150 + 13.64 - 150
    EXPECT_TRUE(window->close());
    EXPECT_EQ(savedBytes(), saved); // nothing typed: the file stays as it was
    openWindow();
    click("SaveCMD");
    EXPECT_FALSE(shown("advanceNote"));
}

TEST_F(MainWindow, ASecondCopyOnlyReadsTheCardsUntilItTakesOverAndAChangedFileCanBeLoaded)
{
    type("CardNameText", 0, "FromA");
    click("SaveCMD");
    const QByteArray fromA = savedBytes();
    std::unique_ptr<frmMain> first = std::exchange(window, nullptr);
    openWindow(); // the person chooses "Try again" at once: the first copy still runs
    EXPECT_TRUE(caption("readOnlyNote").startsWith("Read-only: your cards are open in another copy"));
    type("CardNameText", 0, "FromB");
    click("NextCMD", 0); // leaving writes nothing, and says nothing more
    EXPECT_EQ(messages->texts.size(), 2);

    first.reset(); // the first copy ends: Save takes over
    click("SaveCMD");
    EXPECT_TRUE(savedBytes().contains("\r\nFromB|"));
    EXPECT_FALSE(shown("readOnlyNote"));

    writeCardFile(fromA);         // another program writes the file
    messages->chooseFirst = true; // "Load that file"
    click("SaveCMD");
    EXPECT_EQ(box("CardNameText", 0)->text(), "FromA");
}

const QString kOfferPath = "/app/newCCOffers.txt";
const QByteArray kOffers = "Zero Fee Plus|offers/zero.htm|12|0|19.99\r\nPricey Gold|http://x/p|0|0|29.99|$95|3\r\n";

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
        enterCard(0, {"Harbor Gold", "24.99", "3000", "150"});
    }
};

TEST_F(OffersWindow, TheOffersReachMySavingsAndBestOffersWhoseChoiceMovesACardInMyPlan)
{
    openWith({200, kOffers});
    click("MyCardsCMD", 2);
    EXPECT_EQ(choice("CardCombo", 0)->currentText(), "Zero Fee Plus");
    click("ShowDetailsLable", 0); // the address is the offer file's own neighbour
    EXPECT_EQ(opener->opened, QList{server.url("/app/offers/zero.htm")});

    QTest::keyClick(window.get(), Qt::Key_5, Qt::AltModifier);
    auto* table = control<QTableView>("offersView");
    ASSERT_TRUE(QTest::qWaitFor([table] { return table->model()->rowCount() == 2; }));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(table->model()->index(1, 1)).center());
    click("useInPlanButton");
    EXPECT_EQ(window->screenIndex(), frmMain::Screen::MyPlan);
    EXPECT_TRUE(QTest::qWaitFor(
        [this] { return caption("planMoves").startsWith("Harbor Gold moved to Pricey Gold, fee $90.00\n"); }));

    // A changed card drops the ranking, which the next showing makes afresh.
    click("MyCardsCMD", 0);
    type("CardNameText", 0, "Harbor Blue");
    QTest::keyClick(window.get(), Qt::Key_5, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([table] { return table->model()->rowCount() == 2; }));
    EXPECT_EQ(table->model()->index(0, 0).data().toString(), "Harbor Blue");
}

TEST_F(OffersWindow, TheWindowKeepsWorkingWhileTheOffersAreOnTheirWay)
{
    openWith({200, kOffers, TestHttpServer::Mode::Hold});
    click("MyCardsCMD", 4);
    EXPECT_EQ(caption("rankStatus"), "No offers have come from the server yet.");
    window->blinker()->timer()->start(); // timers keep their time during the download
    const bool before = window->blinker()->resultsShown();
    QTest::qWait(600);
    EXPECT_NE(window->blinker()->resultsShown(), before);

    server.release(); // Best Offers, in view, ranks at once
    ASSERT_TRUE(QTest::qWaitFor([this] { return control<QTableView>("offersView")->model()->rowCount() == 2; }));
}

TEST(Splash, OpensTheMainWindowOnceShortlyAfterShowingAndCloses)
{
    int opened = 0;
    frmSplash splash([&] { ++opened; });
    splash.show();
    EXPECT_EQ(opened, 0);
    QTest::qWait(400);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(splash.isVisible());
}

TEST(ModalMessageBoxes, ShowTheTextUnderTheProgramsNameAndTakeTheFirstChoiceOnlyWhenItIsPressed)
{
    for (const QString pressed : {"Close anyway", "Stay"}) {
        QString seen; // title, icon and text
        QTimer::singleShot(0, qApp, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            seen = box->windowTitle() + QString::number(box->icon()) + box->text();
            for (QAbstractButton* button : box->buttons())
                if (button->text() == pressed)
                    button->click();
        });
        EXPECT_EQ(ModalMessageBoxes().choose(nullptr, "not saved", "Close anyway", "Stay"), pressed == "Close anyway");
        EXPECT_EQ(seen, "Plenwick2not saved");
    }
}

} // namespace plenwick::testing_support
