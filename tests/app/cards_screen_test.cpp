#include "main_window_fixture.h"

#include <QClipboard>

namespace plenwick {
namespace {

using CardsScreen = testing_support::MainWindowTest;

TEST_F(CardsScreen, BoxesTakeTheirNormalFormWhenLeft)
{
    const struct {
        const char* box;
        const char* typed;
        const char* shown;
    } cases[] = {
        {"TotalDueText", "1234.5", "$1,234.50"},
        {"AnnualFeeText", "-5", "-$5.00"},
        {"MinimumPaymentText", "0.125", "$0.13"},
        {"ActualPaymentText", "abc", "abc"},
        {"TotalDueText", "", ""},
        {"InterestRateText", "19.999", "20.00"},
        {"InterestRateText", "1,234", "1234.00"},
        {"InterestRateText", "29.99 %", "29.99"},
        {"CardNameText", " 1234.5 ", " 1234.5 "},
        {"CardNameText", "Gold|Card", "GoldCard"}, // a "|" never gets in
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        type(c.box, 1, QString::fromLatin1(c.typed));
        EXPECT_EQ(box(c.box, 1)->text(), QString::fromLatin1(c.shown));
    }
    QApplication::clipboard()->setText(QStringLiteral("|12|34|"));
    box("AnnualFeeText", 0)->paste();
    EXPECT_EQ(box("AnnualFeeText", 0)->text(), QStringLiteral("1234"));
}

TEST_F(CardsScreen, TabRunsCardByCardAndDownEachCard)
{
    const char* fields[] = {"CardNameText", "AnnualFeeText",      "InterestRateText",
                            "TotalDueText", "MinimumPaymentText", "ActualPaymentText"};
    box("CardNameText", 0)->setFocus();
    for (int card = 0; card < 3; ++card) {
        for (const char* field : fields) {
            EXPECT_TRUE(box(field, card)->hasFocus()) << field << " " << card;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
    EXPECT_TRUE(control("SaveCMD")->hasFocus());
}

TEST_F(CardsScreen, CardsAreSavedOnLeavingOnSaveAndOnClosing)
{
    type("CardNameText", 1, QStringLiteral("Meadow"));
    QTest::keyClick(control("SaveCMD"), Qt::Key_Return);
    EXPECT_EQ(savedBytes(), QByteArray("3/14/2026 9:05:12 PM\r\n|||||\r\nMeadow|||||\r\n|||||\r\n|||||\r\n|||||\r\n"));

    enterCard(0, QStringLiteral("Harbor Gold"), QStringLiteral("18.9"), QStringLiteral("5000"), QStringLiteral("150"));
    click("MyCardsCMD", 2); // leaving writes
    EXPECT_TRUE(savedBytes().contains("Harbor Gold||18.90|$5,000.00||$150.00"));
    QFile::remove(cardFilePath());
    click("PrevCMD", 2); // leaving another screen does not
    EXPECT_TRUE(savedBytes().isEmpty());

    type("ActualPaymentText", 0, QStringLiteral("175"));
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(savedBytes().contains("$175.00"));
    EXPECT_TRUE(messages->shown.empty());

    openWindow(); // nothing changed: nothing written
    QFile::remove(cardFilePath());
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFile::exists(cardFilePath()));
}

TEST_F(CardsScreen, AFailedSaveIsToldAndClosingLetsThePersonStay)
{
    QDir(folder.path()).mkdir(QStringLiteral("mycards.dat")); // nothing can be written there
    type("CardNameText", 0, QStringLiteral("Harbor Gold"));
    click("NextCMD", 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_TRUE(messages->shown[0].first.contains(cardFilePath()));
    EXPECT_EQ(box("CardName2Text", 0)->text(), QStringLiteral("Harbor Gold")); // the program goes on

    messages->chooseFirst = false; // "Stay"
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    messages->chooseFirst = true; // "Close anyway"
    EXPECT_TRUE(window->close());
}

TEST_F(CardsScreen, ANewMonthLowersTheShownBalancesAndSaysSo)
{
    const QByteArray saved = "1/15/2026 8:00:00 AM\r\nHarbor Gold|$45.00|18.90|$1,000.00|$35.00|$150.00\r\n"
                             "Meadow||12.00||$25.00|$100.00\r\n|||||\r\n|||||\r\n|||||\r\n";
    QFile file(cardFilePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(saved) == saved.size());
    file.close();
    now = QDateTime(QDate(2026, 3, 20), QTime(9, 0));
    openWindow();
    EXPECT_EQ(box("TotalDueText", 0)->text(), QStringLiteral("$700.00"));
    EXPECT_EQ(box("TotalDueText", 1)->text(), QString());
    const QLabel* note = control<QLabel>(QStringLiteral("AdvanceNote"));
    EXPECT_TRUE(note->isVisibleTo(window.get()));
    EXPECT_EQ(note->text(), QStringLiteral("Balances lowered by 2 months of payments since your save of 15 January "
                                           "2026; check them against your statements."));
    EXPECT_TRUE(window->close());
    EXPECT_EQ(savedBytes(), saved); // nothing typed: the file stays as it was

    openWindow();
    click("SaveCMD");
    EXPECT_FALSE(control(QStringLiteral("AdvanceNote"))->isVisibleTo(window.get()));
}

} // namespace
} // namespace plenwick
