#include "screen_fixture.h"
#include "screens/savings_screen.h"

#include <QAbstractItemView>

namespace plenwick::testing_support {

class SavingsScreenTest : public ScreenTest {
protected:
    SavingsScreen* openWith(const OfferList& offers)
    {
        auto screen = std::make_unique<SavingsScreen>(context(), nullptr);
        screen->setOffers(offers);
        return open(std::move(screen), cards);
    }
    QString answers(int row) const
    {
        return caption("Savings1Lable", row) + " " + caption("Savings2Lable", row) + " " +
               caption("Savings3Lable", row);
    }

    CardBook cards{{{{"Harbor Gold", "", "18", "$5,000.00", "", "$150.00"}},
                    {{"Meadow", "", "12", "$1,000.00", "", "$100.00"}},
                    {{"No Total", "", "12", "", "", "$100.00"}},
                    {{"Fourth", "", "12", "$77.00", "", "$10.00"}}}};
    const OfferList offers = {{"Harbor Rewards", "http://x.example/harbor", "12", "0", "13.99", "", ""},
                              {"Odd Scheme Card", "javascript:alert(1)", "0", "0", "9.99", "", ""},
                              {"Meadow Cash", "", "6", "1.9", "24.99", "", ""}};
};

TEST_F(SavingsScreenTest, OpeningChoosesTheFirstOfferForEachCardThatOwesAndWorksItOutHeardByRowAndName)
{
    SavingsScreen* screen = openWith(offers);
    EXPECT_EQ(box("CardName3Text", 3)->text(), "Fourth");
    EXPECT_EQ(choice("CardCombo", 4)->count(), 3);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(choice("CardCombo", row)->currentIndex(), row == 2 || row == 4 ? -1 : 0) << row;
    EXPECT_EQ(heard("CardCombo", 0), "ComboBox \"Card to switch to, Card 1\": Harbor Rewards");
    EXPECT_EQ(heard("Savings3Lable", 0),
              "StaticText \"Savings by switching card, Card 1\": Harbor Rewards would "
              "enable you to pay off your card 10 months early and save a total of $1,500.00");

    // Choosing the item already shown, with the mouse, calculates again.
    cards[0][CardRow::ActualPayment] = "$75.00"; // exactly the first month's interest: the not-enough message
    screen->enter(cards);
    const qsizetype once = messages->texts.size();
    ASSERT_GT(once, 0);
    QComboBox* list = choice("CardCombo", 0);
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(0, 0)).center());
    EXPECT_EQ(messages->texts.size(), 2 * once);
}

TEST_F(SavingsScreenTest, CalculateAnswersItsOwnRowAndWithoutOffersThePlaceholderIsNoOffer)
{
    openWith({});
    EXPECT_EQ(choice("CardCombo", 0)->currentText(), "No Card found");
    chooseWithKeyboard(choice("MonthsCombo", 0), 23); // "24 months"
    chooseWithKeyboard(choice("AmountCombo", 0), 11); // "$300 "
    click("CalSavingsCMD", 0);
    EXPECT_EQ(answers(0), "$1,059.11 $1,050.00 -");
    chooseWithKeyboard(choice("MonthsCombo", 1), 23);
    click("CalSavingsCMD", 1);
    EXPECT_EQ(answers(1), "-$29.76 - -");
    EXPECT_EQ(answers(0), "$1,059.11 $1,050.00 -");
    click("ShowDetailsLable", 0);
    EXPECT_TRUE(opener->opened.empty());
}

TEST_F(SavingsScreenTest, ShowDetailsOpensTheChosenOffersWebPageOnly)
{
    openWith(offers);
    QWidget* details = control("ShowDetailsLable", 0);
    click(details);
    details->setFocus();
    QTest::keyClick(details, Qt::Key_Return);
    EXPECT_EQ(opener->opened, QList<QUrl>(2, QUrl("http://x.example/harbor")));

    opener->browserAnswers = false; // no browser could be started: the person is told
    click(details);
    EXPECT_EQ(messages->texts,
              QStringList{"No web browser could be started to show the offer's page:\nhttp://x.example/harbor"});
}

} // namespace plenwick::testing_support
