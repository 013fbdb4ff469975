#include "main_window_fixture.h"

#include <QCheckBox>
#include <QClipboard>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;

const QString kNotEnough =
    QStringLiteral("Your payments are not enough to cover the accumulated interest.  Try increasing the payments.");

class FieldNormalisation : public MainWindowTest { };

TEST_F(FieldNormalisation, MoneyFieldsTakeMoneyFormWhenLeft)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1234.5", "$1,234.50"},
        {"$1,234.5", "$1,234.50"},
        {"0", "$0.00"},
        {"-5", "-$5.00"},
        {"1234567.8", "$1,234,567.80"},
        {"12.346", "$12.35"},
        {"0.125", "$0.13"},
        {"abc", "abc"},
        {"", ""},
    };
    for (const char* field : {"AnnualFeeText", "TotalDueText", "MinimumPaymentText", "ActualPaymentText"}) {
        for (const auto& [typed, shown] : cases) {
            type(field, 1, QString::fromLatin1(typed));
            EXPECT_EQ(box(field, 1)->text(), QString::fromLatin1(shown)) << field << " " << typed;
        }
    }
}

TEST_F(FieldNormalisation, TheRateTakesRateFormWhenLeft)
{
    for (const auto& [typed, shown] : {std::pair{"18.9", "18.90"}, {"1,234", "1234.00"}, {"19.999", "20.00"}}) {
        type("InterestRateText", 0, QString::fromLatin1(typed));
        EXPECT_EQ(box("InterestRateText", 0)->text(), QString::fromLatin1(shown)) << typed;
    }
}

TEST_F(FieldNormalisation, TheCardNameIsNeverChanged)
{
    type("CardNameText", 0, QStringLiteral("  1234.5 "));
    EXPECT_EQ(box("CardNameText", 0)->text(), QStringLiteral("  1234.5 "));
}

TEST_F(FieldNormalisation, LeavingAgainChangesNothingMore)
{
    type("TotalDueText", 2, QStringLiteral("999.995"));
    EXPECT_EQ(box("TotalDueText", 2)->text(), QStringLiteral("$1,000.00"));
    box("TotalDueText", 2)->setFocus();
    QTest::keyClick(box("TotalDueText", 2), Qt::Key_Tab);
    EXPECT_EQ(box("TotalDueText", 2)->text(), QStringLiteral("$1,000.00"));
}

TEST_F(FieldNormalisation, ABarCannotEnterACardBoxTypedOrPasted)
{
    type("CardNameText", 0, QStringLiteral("Gold|Card"));
    EXPECT_EQ(box("CardNameText", 0)->text(), QStringLiteral("GoldCard"));

    QApplication::clipboard()->setText(QStringLiteral("|12|34|"));
    QLineEdit* fee = box("AnnualFeeText", 0);
    fee->setFocus();
    fee->paste();
    EXPECT_EQ(fee->text(), QStringLiteral("1234"));
}

class CostsScreen : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        enterCard(0, QStringLiteral("Harbor Gold"), QStringLiteral("12"), QStringLiteral("1000"), QStringLiteral("100"),
                  QStringLiteral("25"));
        click("MyCardsCMD", 1);
    }
};

TEST_F(CostsScreen, TheRoadOfOneRequest)
{
    click("MyCardsCMD", 0);
    type("TotalDueText", 0, QStringLiteral("1500"));
    type("InterestRateText", 0, QStringLiteral("18"));
    EXPECT_EQ(box("TotalDueText", 0)->text(), QStringLiteral("$1,500.00"));
    EXPECT_EQ(box("InterestRateText", 0)->text(), QStringLiteral("18.00"));

    click("NextCMD", 0);
    EXPECT_EQ(box("TotalDue2Text", 0)->text(), QStringLiteral("$1,500.00"));
    type("AmountIcanPayText", 0, QStringLiteral("100"));
    click("CalTimeCMD", 0);
    EXPECT_EQ(caption("MonthsLable", 0), QStringLiteral("18 months"));
    EXPECT_TRUE(messages->shown.empty());

    window->blinker()->tick(); // show phase
    EXPECT_TRUE(blinkingOn(label("MonthsLable", 0)));
    window->blinker()->tick(); // hide phase
    EXPECT_FALSE(blinkingOn(label("MonthsLable", 0)));
}

TEST_F(CostsScreen, AnEmptyPaymentAsksForOneAndKeepsTheEarlierAnswer)
{
    type("AmountIcanPayText", 0, QStringLiteral("100"));
    click("CalTimeCMD", 0);
    type("AmountIcanPayText", 0, QString());
    click("CalTimeCMD", 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, QStringLiteral("Enter Payment Amount"));
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::None);
    EXPECT_EQ(caption("MonthsLable", 0), QStringLiteral("11 months"));
}

TEST_F(CostsScreen, APaymentThatOnlyCoversTheInterestIsNeverPaidOff)
{
    type("AmountIcanPayText", 0, QStringLiteral("10"));
    click("CalTimeCMD", 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, kNotEnough);
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::Information);
    EXPECT_EQ(caption("MonthsLable", 0), QStringLiteral("Infinite months"));
    // Only the row's own label answers.
    EXPECT_EQ(caption("AmountLable", 0), QStringLiteral("-"));
    EXPECT_EQ(caption("MonthsLable", 1), QStringLiteral("-"));
}

TEST_F(CostsScreen, MinAmountFillsInTheMinimumPayment)
{
    QCheckBox* minimum = control<QCheckBox>("MiniMumCheck", 0);
    click(minimum);
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), QStringLiteral("$25.00"));
    click(minimum);
    EXPECT_FALSE(minimum->isChecked());
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), QStringLiteral("$25.00"));
}

TEST_F(CostsScreen, MinAmountWithoutAMinimumLeavesThePaymentEmpty)
{
    click(control<QCheckBox>("MiniMumCheck", 1));
    EXPECT_EQ(box("AmountIcanPayText", 1)->text(), QString());
    click("CalTimeCMD", 1);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, QStringLiteral("Enter Payment Amount"));
    EXPECT_EQ(caption("MonthsLable", 1), QStringLiteral("-"));
}

TEST_F(CostsScreen, GivesThePaymentThatClearsTheCardInTheMonthsTyped)
{
    type("DebtFreeMonthsText", 0, QStringLiteral("12"));
    click("CalAmountCMD", 0);
    EXPECT_EQ(caption("AmountLable", 0), QStringLiteral("$88.85 monthly"));

    type("DebtFreeMonthsText", 0, QStringLiteral("soon"));
    click("CalAmountCMD", 0);
    ASSERT_EQ(messages->shown.size(), 1u);
    EXPECT_EQ(messages->shown[0].text, QStringLiteral("Enter re-payment period"));
    EXPECT_EQ(messages->shown[0].icon, MessageIcon::None);
    EXPECT_EQ(caption("AmountLable", 0), QStringLiteral("$88.85 monthly"));
}

TEST_F(CostsScreen, TheRateIsReadFromMyCardsAtTheMomentOfTheClick)
{
    click("MyCardsCMD", 0);
    type("InterestRateText", 0, QStringLiteral("0"));
    click("MyCardsCMD", 1);
    type("AmountIcanPayText", 0, QStringLiteral("100"));
    click("CalTimeCMD", 0);
    EXPECT_EQ(caption("MonthsLable", 0), QStringLiteral("10 months"));
}

} // namespace
} // namespace plenwick
