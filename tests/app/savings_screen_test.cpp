#include "main_window_fixture.h"

#include <QAbstractItemView>

namespace plenwick::testing_support {

using SavingsScreen = MainWindowTest;

TEST_F(SavingsScreen, OptionsAnswerOnCalculateEachInItsOwnRowAndOnOpening)
{
    enterCard(0, {"Harbor Gold", "18", "5000", "75"}); // exactly the first month's interest
    enterCard(1, {"Meadow", "12", "1000", "100"});
    box("CardNameText", 3)->setText("Hidden Card"); // card 4 cannot be typed into; its boxes still take part
    box("TotalDueText", 3)->setText("77");
    click("MyCardsCMD", 2);
    EXPECT_EQ(box("CardName3Text", 3)->text(), "Hidden Card");
    for (int row = 0; row < 5; ++row) // only the cards shown with a total have an offer chosen
        EXPECT_EQ(choice("CardCombo", row)->currentIndex(), row < 2 ? 0 : -1) << row;
    ASSERT_EQ(messages->icons, QList{MessageIcon::Information});
    // Choosing the item already shown, with the mouse, calculates again.
    QComboBox* list = choice("CardCombo", 0);
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
    EXPECT_EQ(messages->icons.size(), 2);

    click("MyCardsCMD", 0);
    type("ActualPaymentText", 0, "150");
    click("MyCardsCMD", 2);
    EXPECT_EQ(list->currentText(), "No Card found");
    const struct {
        int row, months, amount; // item positions; -1 leaves the list as it is
        const char *fast, *bigger;
    } cases[] = {
        {0, 23, 11, "$1,059.11", "$1,050.00"}, // "24 months", "$300 "
        {0, -1, 3, "$1,059.11", "-$2,350.00"}, // "$100 "
        {1, 23, -1, "-$29.76", "-"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        if (c.months >= 0)
            chooseWithKeyboard(choice("MonthsCombo", c.row), c.months);
        if (c.amount >= 0)
            chooseWithKeyboard(choice("AmountCombo", c.row), c.amount);
        click("CalSavingsCMD", c.row);
        EXPECT_EQ(caption("Savings1Lable", c.row) + " " + caption("Savings2Lable", c.row) + " " +
                      caption("Savings3Lable", c.row),
                  QString("%1 %2 -").arg(c.fast, c.bigger)); // the placeholder is no offer
    }
    EXPECT_EQ(caption("Savings2Lable", 0), "-$2,350.00"); // row 1 left row 0 alone
    EXPECT_EQ(messages->icons.size(), 2);
}

} // namespace plenwick::testing_support
