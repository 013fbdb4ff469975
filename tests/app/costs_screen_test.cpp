#include "main_window_fixture.h"

#include <QCheckBox>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;

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

TEST_F(CostsScreen, EachCalculateWritesItsRowsAnswerOrSaysWhatIsMissing)
{
    const QString notEnough =
        QStringLiteral("Your payments are not enough to cover the accumulated interest.  Try increasing the payments.");
    const struct {
        const char* box;
        const char* typed;
        const char* button;
        const char* label;
        const char* caption; // as it stands after the click
        QString message;
    } cases[] = {
        {"AmountIcanPayText", "100", "CalTimeCMD", "MonthsLable", "11 months", {}},
        {"AmountIcanPayText", "", "CalTimeCMD", "MonthsLable", "11 months", QStringLiteral("Enter Payment Amount")},
        {"AmountIcanPayText", "10", "CalTimeCMD", "MonthsLable", "Infinite months", notEnough},
        {"DebtFreeMonthsText", "12", "CalAmountCMD", "AmountLable", "$88.85 monthly", {}},
        {"DebtFreeMonthsText", "soon", "CalAmountCMD", "AmountLable", "$88.85 monthly",
         QStringLiteral("Enter re-payment period")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        messages->shown.clear();
        type(c.box, 0, QString::fromLatin1(c.typed));
        click(c.button, 0);
        EXPECT_EQ(caption(c.label, 0), QString::fromLatin1(c.caption));
        EXPECT_EQ(messages->texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(caption(c.label, 1), QStringLiteral("-")); // only the row's own label answers
    }
}

TEST_F(CostsScreen, ARateThatIsNoNumberIsNamedAndNothingIsComputed)
{
    type("AmountIcanPayText", 1, QStringLiteral("100"));
    click("MyCardsCMD", 0);
    enterCard(1, QStringLiteral("Meadow"), QStringLiteral("APR 18.9"), QStringLiteral("1000"), QStringLiteral("100"));
    click("MyCardsCMD", 1);
    click("CalTimeCMD", 1);
    EXPECT_EQ(messages->texts(), QStringList{QStringLiteral("Card 2: the Interest Rate \"APR 18.9\" is not a number")});
    EXPECT_EQ(caption("MonthsLable", 1), QStringLiteral("-"));
}

TEST_F(CostsScreen, MinAmountFillsInTheMinimumPaymentOnceChecked)
{
    auto* minimum = control<QCheckBox>("MiniMumCheck", 0);
    click(minimum);
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), QStringLiteral("$25.00"));
    type("AmountIcanPayText", 0, QStringLiteral("40"));
    click(minimum); // unchecking changes nothing
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), QStringLiteral("40"));
}

TEST_F(CostsScreen, AnswersBlinkWhileEmptyLabelsStayHidden)
{
    type("AmountIcanPayText", 0, QStringLiteral("100"));
    click("CalTimeCMD", 0);
    const auto shown = [this](const char* name) { return control(name, 0)->isVisibleTo(window.get()); };
    window->blinker()->tick(); // show
    window->blinker()->tick(); // hide
    EXPECT_FALSE(shown("MonthsLable"));
    window->blinker()->tick(); // show
    EXPECT_TRUE(shown("MonthsLable"));
    EXPECT_FALSE(shown("AmountLable"));
}

} // namespace
} // namespace plenwick
