#include "main_window_fixture.h"

#include <QCheckBox>
#include <QPushButton>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;

using MainWindowLayout = MainWindowTest;

TEST_F(MainWindowLayout, OpensAtItsFixedSizeWithItsCaption)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Plenwick"));
    EXPECT_EQ(window->size(), QSize(992, 664));
}

TEST_F(MainWindowLayout, ShowsEveryCaptionAsWritten)
{
    const std::pair<const char*, const char*> captions[] = {
        {"MyCardsCMD_0", "My Cards"},
        {"MyCardsCMD_1", "My Costs"},
        {"MyCardsCMD_2", "My Savings"},
        {"Label1_0", "To get started using this application please enter the information from your current credit "
                     "card(s). There are spaces for up to 3 cards so use as many as you need."},
        {"Label3_0", "Card Name"},
        {"Label4", "Annual Fee"},
        {"Label5", "Interest Rate"},
        {"Label6", "Total Due"},
        {"Label7", "Minimum Monthly Payment"},
        {"Label8", "Actual Monthly Payment"},
        {"SaveCMD", "Save"},
        {"NextCMD_0", "Next >>"},
        {"PrevCMD_1", "<< Previous"},
        {"Label1_3", "This screen uses the information you entered on the last screen to work out how long and/or how "
                     "much you need to pay to become debt free using your current cards."},
        {"Label9", "Total Due"},
        {"Label10_0", "I will pay this amount per month. How much time it will take to pay off? "},
        {"Label11_0", "Min. Amount"},
        {"Label10_1", "To pay off it will take"},
        {"Label12", "I want to be debt free in these number of months, how much must I pay off per month?"},
        {"Label10_2", "To pay off you will need to pay"},
        {"CalTimeCMD_0", "Calculate"},
        {"CalAmountCMD_2", "Calculate"},
        {"Label1_1", "This screen enables you to work out how much money you could save by paying more, paying quicker "
                     "or switching to another credit card."},
        {"Label13_0", "Total Due"},
        {"Label13_5", "Option 1: Switching card"},
        {"Label13_6", "How much will I save if I switch to one of these Top Currently Available Credit Cards"},
        {"ShowDetailsLable_1", "Show Details"},
        {"Label13_9", "Your Savings"},
        {"Label13_1", "Option 2: Fast repayment"},
        {"Label13_2", "How much will I save if I pay quickly in"},
        {"Label13_3", "Option3: Bigger repayment"},
        {"Label13_4", "How much will I save if I pay bigger amount"},
        {"Label13_8", "Your Savings"},
        {"CalSavingsCMD_0", "Calculate"},
        {"Label2_0", "Card 1"},
        {"Label2_7", "Card 3"},
        {"Label2_14", "Card 5"},
    };
    for (const auto& [name, text] : captions) {
        const QWidget* widget = control(QString::fromLatin1(name));
        const QString shown = widget->property("text").toString();
        EXPECT_EQ(shown, QString::fromUtf8(text)) << name;
    }
}

TEST_F(MainWindowLayout, CardsFourAndFiveExistOnEveryScreenButAreNeverShown)
{
    for (const char* name : {"CardNameText", "ActualPaymentText", "CardName2Text", "AmountIcanPayText", "MiniMumCheck",
                             "CalTimeCMD", "MonthsLable", "CardCombo", "MonthsCombo", "ShowDetailsLable",
                             "Savings3Lable", "CalSavingsCMD", "Picture2"}) {
        for (int row = 3; row < 5; ++row)
            EXPECT_FALSE(control(name, row)->isVisibleTo(window.get())) << name << " " << row;
    }
    EXPECT_TRUE(box("CardNameText", 2)->isVisibleTo(window.get()));
}

TEST_F(MainWindowLayout, InputsAreNamedForScreenReaders)
{
    EXPECT_EQ(box("TotalDueText", 0)->accessibleName(), QStringLiteral("Total Due, Card 1"));
    EXPECT_EQ(box("ActualPaymentText", 2)->accessibleName(), QStringLiteral("Actual Monthly Payment, Card 3"));
    EXPECT_EQ(control("MiniMumCheck", 1)->accessibleName(), QStringLiteral("Min. Amount, Card 2"));
    EXPECT_FALSE(choice("MonthsCombo", 0)->accessibleName().isEmpty());
}

TEST_F(MainWindowLayout, TabRunsCardByCardAndDownEachCard)
{
    const char* fields[] = {"CardNameText", "AnnualFeeText",      "InterestRateText",
                            "TotalDueText", "MinimumPaymentText", "ActualPaymentText"};
    box("CardNameText", 0)->setFocus();
    for (int card = 0; card < 2; ++card) {
        for (const char* field : fields) {
            EXPECT_TRUE(box(field, card)->hasFocus()) << field << " " << card;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
    EXPECT_TRUE(box("CardNameText", 2)->hasFocus());
}

TEST_F(MainWindowLayout, TheCopiesOnOtherScreensTakeNoTypingAndNoFocus)
{
    for (const char* name : {"CardName2Text", "TotalDue2Text", "CardName3Text", "TotalDue3Text"}) {
        EXPECT_TRUE(box(name, 0)->isReadOnly()) << name;
        EXPECT_EQ(box(name, 0)->focusPolicy(), Qt::NoFocus) << name;
    }
}

TEST_F(MainWindowLayout, ChoiceListsHoldTheirItemsWithNothingChosen)
{
    const QComboBox* months = choice("MonthsCombo", 0);
    ASSERT_EQ(months->count(), 48);
    EXPECT_EQ(months->itemText(0), QStringLiteral("1 months"));
    EXPECT_EQ(months->itemText(47), QStringLiteral("48 months"));
    EXPECT_EQ(months->currentIndex(), -1);

    const QComboBox* amounts = choice("AmountCombo", 4);
    ASSERT_EQ(amounts->count(), 40);
    EXPECT_EQ(amounts->itemText(0), QStringLiteral("$25 "));
    EXPECT_EQ(amounts->itemText(38), QStringLiteral("$975 "));
    EXPECT_EQ(amounts->itemText(39), QStringLiteral("$1,000 "));
    EXPECT_EQ(amounts->currentIndex(), -1);
}

TEST_F(MainWindowLayout, EveryCaptionFitsWithoutClipping)
{
    for (int screen = 0; screen < 3; ++screen) {
        click("MyCardsCMD", screen);
        QWidget* panel = control("Picture1", screen);
        for (const QLabel* caption : panel->findChildren<QLabel*>()) {
            if (!caption->isVisibleTo(panel) || caption->text() == QStringLiteral("-"))
                continue;
            if (caption->wordWrap())
                EXPECT_LE(caption->heightForWidth(caption->width()), caption->height())
                    << caption->objectName().toStdString();
            else
                EXPECT_LE(caption->sizeHint().width(), caption->width()) << caption->objectName().toStdString();
        }
        for (const QPushButton* button : panel->findChildren<QPushButton*>()) {
            if (button->isVisibleTo(panel)) {
                EXPECT_LE(button->sizeHint().width(), button->width()) << button->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace plenwick
