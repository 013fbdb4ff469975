#include "main_window_fixture.h"

#include <QClipboard>

namespace plenwick::testing_support {

using CardsScreen = MainWindowTest;

TEST_F(CardsScreen, BoxesTakeTheirNormalFormWhenLeftAndTabRunsCardByCard)
{
    // A "|" never gets in.
    const char* cases[][3] = {{"TotalDueText", "1234.5", "$1,234.50"},
                              {"AnnualFeeText", "-5", "-$5.00"},
                              {"MinimumPaymentText", "0.125", "$0.13"},
                              {"ActualPaymentText", "abc", "abc"},
                              {"TotalDueText", "", ""},
                              {"InterestRateText", "19.999", "20.00"},
                              {"InterestRateText", "29.99 %", "29.99"},
                              {"CardNameText", " 1234.5 ", " 1234.5 "},
                              {"CardNameText", "Gold|Card", "GoldCard"}};
    for (const auto& [name, typed, normal] : cases) {
        type(name, 1, typed);
        EXPECT_EQ(box(name, 1)->text(), normal) << name << " " << typed;
    }
    QApplication::clipboard()->setText("|12|34|");
    box("AnnualFeeText", 0)->paste();
    EXPECT_EQ(box("AnnualFeeText", 0)->text(), "1234");

    box("CardNameText", 0)->setFocus();
    for (int card = 0; card < 3; ++card) {
        for (const char* field : {"CardNameText", "AnnualFeeText", "InterestRateText", "TotalDueText",
                                  "MinimumPaymentText", "ActualPaymentText"}) {
            EXPECT_TRUE(box(field, card)->hasFocus()) << field << " " << card;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
    EXPECT_TRUE(control("SaveCMD")->hasFocus());
}

TEST_F(CardsScreen, CardsAreSavedOnSaveOnLeavingAndOnClosingOrThePersonIsToldAndANewMonthLowersTheBalances)
{
    type("CardNameText", 1, "Meadow");
    QTest::keyClick(control("SaveCMD"), Qt::Key_Return);
    EXPECT_EQ(savedBytes(), "3/14/2026 9:05:12 PM\r\n|||||\r\nMeadow|||||\r\n|||||\r\n|||||\r\n|||||\r\n");

    enterCard(0, {"Harbor Gold", "18.9", "5000", "150"});
    click("MyCardsCMD", 2); // leaving writes
    EXPECT_TRUE(savedBytes().contains("Harbor Gold||18.90|$5,000.00||$150.00"));
    QFile::remove(cardFilePath());
    click("PrevCMD", 2); // leaving another screen does not
    click("PrevCMD", 1);
    EXPECT_TRUE(savedBytes().isEmpty());
    type("ActualPaymentText", 0, "175");
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(savedBytes().contains("$175.00"));

    openWindow(); // nothing changed: nothing written
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

    // A new month lowers the shown balances and says so.
    QDir(folder.path()).rmdir("mycards.dat");
    const QByteArray saved = "1/15/2026 8:00:00 AM\r\nHarbor Gold|$45.00|18.90|$1,000.00|$35.00|$150.00\r\n"
                             "Meadow||12.00||$25.00|$100.00\r\n|||||\r\n|||||\r\n|||||\r\n";
    writeCardFile(saved);
    now = QDateTime(QDate(2026, 3, 20), QTime(9, 0));
    openWindow();
    EXPECT_EQ(box("TotalDueText", 0)->text() + box("TotalDueText", 1)->text(), "$700.00");
    EXPECT_TRUE(shown("AdvanceNote"));
    EXPECT_EQ(caption("AdvanceNote"), "Balances lowered by 2 months of payments since your save of 15 January 2026; "
                                      "check them against your statements.");
    EXPECT_TRUE(window->close());
    EXPECT_EQ(savedBytes(), saved); // nothing typed: the file stays as it was

    openWindow();
    click("SaveCMD");
    EXPECT_FALSE(shown("AdvanceNote"));
}

} // namespace plenwick::testing_support
