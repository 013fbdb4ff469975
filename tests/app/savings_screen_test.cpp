#include "main_window_fixture.h"

#include <QAbstractItemView>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;

const QString kNotEnough = QStringLiteral(
    "Your payments are not enough to cover the accumulated interest.  Try increasing the actual payments (in My Cards "
    "section).");

class SavingsScreen : public MainWindowTest {
protected:
    void openSavingsWithWorkedCard(const QString& actualPayment = QStringLiteral("150"))
    {
        enterCard(0, QStringLiteral("Harbor Gold"), QStringLiteral("18"), QStringLiteral("5000"), actualPayment);
        click("MyCardsCMD", 2);
    }

    // Opens the list and clicks the item, as a person does with the mouse.
    void chooseWithMouse(QComboBox* list, int index)
    {
        list->showPopup();
        QAbstractItemView* view = list->view();
        const QRect item = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    }

    std::size_t messageCount() const { return messages->shown.size(); }
};

TEST_F(SavingsScreen, WorkedExampleOptionsWithThePlaceholderChosen)
{
    openSavingsWithWorkedCard();
    EXPECT_EQ(choice("CardCombo", 0)->currentText(), QStringLiteral("No Card found"));
    EXPECT_EQ(caption("Savings3Lable", 0), QStringLiteral("-"));

    chooseWithKeyboard(choice("MonthsCombo", 0), 23);            // "24 months"
    chooseWithKeyboard(choice("AmountCombo", 0), 11);            // "$300 "
    EXPECT_EQ(caption("Savings1Lable", 0), QStringLiteral("-")); // nothing until "Calculate"
    click("CalSavingsCMD", 0);
    EXPECT_EQ(caption("Savings1Lable", 0), QStringLiteral("$1,059.11"));
    EXPECT_EQ(caption("Savings2Lable", 0), QStringLiteral("$1,050.00"));
    EXPECT_EQ(caption("Savings3Lable", 0), QStringLiteral("-"));
    EXPECT_EQ(messageCount(), 0u);

    chooseWithKeyboard(choice("AmountCombo", 0), 3); // "$100 "
    click("CalSavingsCMD", 0);
    EXPECT_EQ(caption("Savings2Lable", 0), QStringLiteral("-$2,350.00"));
}

TEST_F(SavingsScreen, TheAutomaticSelectionCalculatesEachRowOnce)
{
    openSavingsWithWorkedCard(QStringLiteral("75")); // exactly the first month's interest
    ASSERT_EQ(messageCount(), 1u);
    EXPECT_EQ(messages->shown[0].text, kNotEnough);
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Information);
}

TEST_F(SavingsScreen, ChoosingAnOfferRecalculatesEvenTheOneAlreadyShown)
{
    openSavingsWithWorkedCard(QStringLiteral("75"));
    chooseWithMouse(choice("CardCombo", 0), 0);
    EXPECT_EQ(messageCount(), 2u);
}

TEST_F(SavingsScreen, EachCalculationStartsFromEmptyAnswers)
{
    openSavingsWithWorkedCard();
    chooseWithKeyboard(choice("MonthsCombo", 0), 23);
    click("CalSavingsCMD", 0);
    ASSERT_NE(caption("Savings1Lable", 0), QStringLiteral("-"));

    click("MyCardsCMD", 0);
    type("TotalDueText", 0, QString());
    click("MyCardsCMD", 2);
    click("CalSavingsCMD", 0);
    EXPECT_EQ(caption("Savings1Lable", 0), QStringLiteral("$0.00"));
    EXPECT_EQ(caption("Savings2Lable", 0), QStringLiteral("-"));
}

TEST_F(SavingsScreen, ACalculationLeavesTheOtherRowsAlone)
{
    enterCard(1, QStringLiteral("Meadow"), QStringLiteral("12"), QStringLiteral("1000"), QStringLiteral("100"));
    openSavingsWithWorkedCard();
    chooseWithKeyboard(choice("MonthsCombo", 1), 23);
    click("CalSavingsCMD", 1);
    EXPECT_EQ(caption("Savings1Lable", 1), QStringLiteral("-$29.76"));
    EXPECT_EQ(caption("Savings1Lable", 0), QStringLiteral("-"));
}

TEST_F(SavingsScreen, AnswersBlinkAndEmptyOnesStayHidden)
{
    openSavingsWithWorkedCard();
    chooseWithKeyboard(choice("AmountCombo", 0), 11);
    click("CalSavingsCMD", 0);
    window->blinker()->tick(); // show
    window->blinker()->tick(); // hide
    window->blinker()->tick(); // show
    EXPECT_TRUE(blinkingOn(label("Savings2Lable", 0)));
    EXPECT_FALSE(blinkingOn(label("Savings1Lable", 0)));
    EXPECT_FALSE(blinkingOn(label("Savings3Lable", 0)));
    EXPECT_FALSE(blinkingOn(label("MonthsLable", 0)));
}

} // namespace
} // namespace plenwick
