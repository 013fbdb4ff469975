#include "main_window_fixture.h"

#include "cards/card_file.h"

#include <QFile>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;

class CardFileWindow : public MainWindowTest {
protected:
    QByteArray savedBytes() const
    {
        QFile file(cardFilePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void writeCardFile(const QByteArray& bytes)
    {
        QFile file(cardFilePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    void reopen()
    {
        window.reset();
        openWindow();
        QTest::qWait(1); // start-up messages come once the window shows
    }
};

TEST_F(CardFileWindow, CardsTypedInComeBackInANewWindow)
{
    enterCard(0, QStringLiteral("Harbor Gold"), QStringLiteral("18.9"), QStringLiteral("5000"), QStringLiteral("150"),
              QStringLiteral("35"));
    enterCard(2, QStringLiteral("Summit | Travel"), QStringLiteral("21.49"), QStringLiteral("2750.5"),
              QStringLiteral("75"));
    click("NextCMD", 0);

    reopen();
    EXPECT_EQ(box("CardNameText", 0)->text(), QStringLiteral("Harbor Gold"));
    EXPECT_EQ(box("InterestRateText", 0)->text(), QStringLiteral("18.90"));
    EXPECT_EQ(box("TotalDueText", 0)->text(), QStringLiteral("$5,000.00"));
    EXPECT_EQ(box("MinimumPaymentText", 0)->text(), QStringLiteral("$35.00"));
    EXPECT_EQ(box("CardNameText", 2)->text(), QStringLiteral("Summit  Travel")); // the "|" never got in
    EXPECT_EQ(box("TotalDueText", 2)->text(), QStringLiteral("$2,750.50"));
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(CardFileWindow, SaveWritesTheCardsWithTheTimeOfTheSave)
{
    type("CardNameText", 1, QStringLiteral("Meadow"));
    click("SaveCMD");
    EXPECT_EQ(savedBytes(), QByteArray("3/14/2026 9:05:12 PM\r\n|||||\r\nMeadow|||||\r\n|||||\r\n|||||\r\n|||||\r\n"));
    EXPECT_EQ(static_cast<int>(window->screenIndex()), 0);
}

TEST_F(CardFileWindow, OnlyLeavingMyCardsWrites)
{
    click("MyCardsCMD", 0); // "My Cards" while current writes too
    EXPECT_FALSE(savedBytes().isEmpty());

    click("MyCardsCMD", 1);
    QFile::remove(cardFilePath());
    click("MyCardsCMD", 2);
    click("PrevCMD", 2);
    click("PrevCMD", 1);
    EXPECT_TRUE(savedBytes().isEmpty());
    click("NextCMD", 0);
    EXPECT_FALSE(savedBytes().isEmpty());
}

TEST_F(CardFileWindow, ANewMonthLowersTheShownBalancesButNotTheFile)
{
    const QByteArray saved = "1/15/2026 8:00:00 AM\r\nHarbor Gold|$45.00|18.90|$1,000.00|$35.00|$150.00\r\n"
                             "Meadow||12.00||$25.00|$100.00\r\n|||||\r\n|||||\r\n|||||\r\n";
    writeCardFile(saved);
    now = QDateTime(QDate(2026, 3, 20), QTime(9, 0));
    reopen();
    EXPECT_EQ(box("TotalDueText", 0)->text(), QStringLiteral("$700.00"));
    EXPECT_EQ(box("TotalDueText", 1)->text(), QString());
    EXPECT_EQ(savedBytes(), saved);

    // Started again without a save in between: the same advance again.
    reopen();
    EXPECT_EQ(box("TotalDueText", 0)->text(), QStringLiteral("$700.00"));
}

TEST_F(CardFileWindow, AFileSavedThisMonthOrInTheFutureIsShownAsSaved)
{
    writeCardFile(
        "3/1/2026 8:00:00 AM\r\nGold|$0.00|9.90|$1,000.00|$1.00|$150.00\r\n|||||\r\n|||||\r\n|||||\r\n|||||\r\n");
    reopen();
    EXPECT_EQ(box("TotalDueText", 0)->text(), QStringLiteral("$1,000.00"));

    writeCardFile("7/1/2031\r\nGold|$0.00|9.90|$1,000.00|$1.00|$150.00\r\n|||||\r\n|||||\r\n|||||\r\n|||||\r\n");
    reopen();
    EXPECT_EQ(box("TotalDueText", 0)->text(), QStringLiteral("$1,000.00"));
}

TEST_F(CardFileWindow, AnUnreadableFileIsKeptAndThePersonToldOnce)
{
    writeCardFile("3/1/2026\r\nGold|$0.00|9.90|$1,000.00|$1.00|$150.00\r\nbroken line\r\n");
    reopen();
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages->shown[0].text.contains(QStringLiteral("could not be read")));
    EXPECT_TRUE(messages->shown[0].text.contains(cardFilePath() + QStringLiteral(".unreadable")));
    EXPECT_EQ(box("CardNameText", 0)->text(), QStringLiteral("Gold"));

    click("SaveCMD");
    EXPECT_TRUE(QFile::exists(cardFilePath() + QStringLiteral(".unreadable")));
    EXPECT_EQ(messages->shown.size(), 1u);
}

TEST_F(CardFileWindow, AFailedSaveIsToldAndTheProgramGoesOn)
{
    QDir(folder.path()).mkdir(QStringLiteral("mycards.dat")); // nothing can be written there
    type("CardNameText", 0, QStringLiteral("Harbor Gold"));
    click("NextCMD", 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Warning);
    EXPECT_TRUE(messages->shown[0].text.contains(cardFilePath()));
    EXPECT_EQ(static_cast<int>(window->screenIndex()), 1);
    EXPECT_EQ(box("CardName2Text", 0)->text(), QStringLiteral("Harbor Gold"));
}

} // namespace
} // namespace plenwick
