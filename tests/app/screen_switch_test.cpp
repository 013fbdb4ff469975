#include "main_window_fixture.h"

#include <QPushButton>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;

class ScreenSwitch : public MainWindowTest {
protected:
    bool panelShown(int screen) const { return control("Picture1", screen)->isVisibleTo(window.get()); }
    bool pressed(int screen) const { return control<QPushButton>("MyCardsCMD", screen)->isChecked(); }

    void expectOnly(int screen)
    {
        EXPECT_EQ(static_cast<int>(window->screenIndex()), screen);
        for (int other = 0; other < 3; ++other) {
            EXPECT_EQ(panelShown(other), other == screen) << "panel " << other;
            EXPECT_EQ(pressed(other), other == screen) << "button " << other;
        }
    }
};

TEST_F(ScreenSwitch, StartsOnMyCardsWithTheOtherScreensOnlyCovered)
{
    EXPECT_EQ(static_cast<int>(window->screenIndex()), 0);
    EXPECT_TRUE(pressed(0));
    EXPECT_FALSE(pressed(1));
    for (int screen = 0; screen < 3; ++screen)
        EXPECT_TRUE(panelShown(screen));
    // "My Cards" is in front: the topmost child at its centre belongs to it.
    QWidget* atCentre = window->childAt(window->rect().center());
    ASSERT_NE(atCentre, nullptr);
    EXPECT_TRUE(control("Picture1", 0)->isAncestorOf(atCentre) || atCentre == control("Picture1", 0));

    click("MyCardsCMD", 1);
    expectOnly(1);
}

TEST_F(ScreenSwitch, NextAndPreviousFollowTheScreens)
{
    click("NextCMD", 0);
    expectOnly(1);
    click("NextCMD", 1);
    expectOnly(2);
    click("PrevCMD", 2);
    expectOnly(1);
    click("PrevCMD", 1);
    expectOnly(0);
}

TEST_F(ScreenSwitch, TheHiddenNavigationButtonsDoNothing)
{
    EXPECT_TRUE(control("PrevCMD", 0)->isHidden());
    EXPECT_TRUE(control("NextCMD", 2)->isHidden());
    click("MyCardsCMD", 0);
    control<QPushButton>("PrevCMD", 0)->click();
    expectOnly(0);
    click("MyCardsCMD", 2);
    control<QPushButton>("NextCMD", 2)->click();
    expectOnly(2);
}

TEST_F(ScreenSwitch, ClickingTheCurrentScreenKeepsItPressed)
{
    click("MyCardsCMD", 0);
    expectOnly(0);
    click("MyCardsCMD", 0);
    expectOnly(0);
}

TEST_F(ScreenSwitch, PressingAButtonFromCodeIsNotAClick)
{
    control<QPushButton>("MyCardsCMD", 2)->setChecked(true);
    EXPECT_EQ(static_cast<int>(window->screenIndex()), 0);
}

TEST_F(ScreenSwitch, CopiesEveryCardsNameAndTotalVerbatim)
{
    type("CardNameText", 0, QStringLiteral("Harbor Gold"));
    type("TotalDueText", 0, QStringLiteral("1500"));
    // Card 4 cannot be typed into; its boxes still take part.
    box("CardNameText", 3)->setText(QStringLiteral("Hidden Card"));
    box("TotalDueText", 3)->setText(QStringLiteral("77"));

    click("MyCardsCMD", 1);
    EXPECT_EQ(box("CardName2Text", 0)->text(), QStringLiteral("Harbor Gold"));
    EXPECT_EQ(box("TotalDue2Text", 0)->text(), QStringLiteral("$1,500.00"));
    EXPECT_EQ(box("CardName2Text", 3)->text(), QStringLiteral("Hidden Card"));
    EXPECT_EQ(box("TotalDue2Text", 3)->text(), QStringLiteral("77"));

    click("MyCardsCMD", 2);
    EXPECT_EQ(box("CardName3Text", 3)->text(), QStringLiteral("Hidden Card"));
    EXPECT_EQ(box("TotalDue3Text", 0)->text(), QStringLiteral("$1,500.00"));
}

TEST_F(ScreenSwitch, ClickingMyCostsAgainCopiesTheCardsAgain)
{
    click("MyCardsCMD", 1);
    box("CardNameText", 1)->setText(QStringLiteral("Changed meanwhile"));
    click("MyCardsCMD", 1);
    EXPECT_EQ(box("CardName2Text", 1)->text(), QStringLiteral("Changed meanwhile"));
}

TEST_F(ScreenSwitch, WithoutOffersEveryCardChoiceHoldsOnlyThePlaceholder)
{
    click("MyCardsCMD", 2);
    for (int row = 0; row < 5; ++row) {
        ASSERT_EQ(choice("CardCombo", row)->count(), 1);
        EXPECT_EQ(choice("CardCombo", row)->itemText(0), QStringLiteral("No Card found"));
    }
}

TEST_F(ScreenSwitch, SelectsTheFirstOfferOnlyForShownCardsWithATotalDue)
{
    type("TotalDueText", 0, QStringLiteral("5000"));
    type("TotalDueText", 2, QStringLiteral("250"));
    box("TotalDueText", 3)->setText(QStringLiteral("$40.00"));
    click("MyCardsCMD", 2);
    EXPECT_EQ(choice("CardCombo", 0)->currentIndex(), 0);
    EXPECT_EQ(choice("CardCombo", 1)->currentIndex(), -1);
    EXPECT_EQ(choice("CardCombo", 2)->currentIndex(), 0);
    EXPECT_EQ(choice("CardCombo", 3)->currentIndex(), -1);
}

TEST_F(ScreenSwitch, LeavesTheOtherInputsAndAnswersAsTheyWere)
{
    enterCard(0, QStringLiteral("Harbor Gold"), QStringLiteral("12"), QStringLiteral("1000"), QStringLiteral("100"));
    click("MyCardsCMD", 1);
    type("AmountIcanPayText", 0, QStringLiteral("100"));
    click("CalTimeCMD", 0);
    chooseWithKeyboard(choice("MonthsCombo", 1), 5);

    click("MyCardsCMD", 0);
    click("MyCardsCMD", 2);
    click("MyCardsCMD", 1);
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), QStringLiteral("100"));
    EXPECT_EQ(caption("MonthsLable", 0), QStringLiteral("11 months"));
    EXPECT_EQ(choice("MonthsCombo", 1)->currentIndex(), 5);
}

} // namespace
} // namespace plenwick
