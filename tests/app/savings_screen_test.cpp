#include "main_window_fixture.h"

#include <QAbstractItemView>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;

class SavingsScreen : public MainWindowTest {
protected:
    void openWithCard(const QString& actualPayment)
    {
        enterCard(0, QStringLiteral("Harbor Gold"), QStringLiteral("18"), QStringLiteral("5000"), actualPayment);
        enterCard(1, QStringLiteral("Meadow"), QStringLiteral("12"), QStringLiteral("1000"), QStringLiteral("100"));
        click("MyCardsCMD", 2);
    }
};

TEST_F(SavingsScreen, OptionsAnswerOnCalculateEachInItsOwnLabel)
{
    openWithCard(QStringLiteral("150"));
    EXPECT_EQ(choice("CardCombo", 0)->currentText(), QStringLiteral("No Card found"));
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
        EXPECT_EQ(caption("Savings1Lable", c.row), QString::fromLatin1(c.fast));
        EXPECT_EQ(caption("Savings2Lable", c.row), QString::fromLatin1(c.bigger));
        EXPECT_EQ(caption("Savings3Lable", c.row), QStringLiteral("-")); // the placeholder is no offer
    }
    EXPECT_EQ(caption("Savings2Lable", 0), QStringLiteral("-$2,350.00")); // row 1 left row 0 alone
    EXPECT_TRUE(messages->shown.empty());
}

TEST_F(SavingsScreen, OpeningTheScreenAndChoosingAnOfferEachCalculateOnce)
{
    openWithCard(QStringLiteral("75")); // exactly the first month's interest
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].second, MessageIcon::Information);

    // Choosing the item already shown, with the mouse, calculates again.
    QComboBox* list = choice("CardCombo", 0);
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
    EXPECT_EQ(messages->shown.size(), 2u);
}

} // namespace
} // namespace plenwick
