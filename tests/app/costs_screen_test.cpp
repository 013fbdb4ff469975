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
        const char* caption; // as it stands after the click, with the line below it
        const char* note;
        QString message;
    } cases[] = {
        {"AmountIcanPayText",
         "100",
         "CalTimeCMD",
         "MonthsLable",
         "11 months",
         "February 2027 · interest\u00a0$58.98",
         {}},
        {"AmountIcanPayText", "", "CalTimeCMD", "MonthsLable", "11 months", "February 2027 · interest\u00a0$58.98",
         QStringLiteral("Enter Payment Amount")},
        {"AmountIcanPayText", "10", "CalTimeCMD", "MonthsLable", "Infinite months", "", notEnough},
        {"DebtFreeMonthsText",
         "12",
         "CalAmountCMD",
         "AmountLable",
         "$88.85 monthly",
         "interest\u00a0$66.18 in all",
         {}},
        {"DebtFreeMonthsText", "soon", "CalAmountCMD", "AmountLable", "$88.85 monthly", "interest\u00a0$66.18 in all",
         QStringLiteral("Enter re-payment period")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        messages->shown.clear();
        type(c.box, 0, QString::fromLatin1(c.typed));
        click(c.button, 0);
        EXPECT_EQ(caption(c.label, 0), QString::fromLatin1(c.caption));
        const QString note = QString::fromUtf8(c.label[0] == 'M' ? "MonthsNote" : "AmountNote");
        EXPECT_EQ(control<QLabel>(note + QStringLiteral("_0"))->text(), QString::fromUtf8(c.note));
        EXPECT_EQ(messages->texts(), c.message.isEmpty() ? QStringList() : QStringList{c.message});
        EXPECT_EQ(caption(c.label, 1), QStringLiteral("-")); // only the row's own label answers
        EXPECT_FALSE(control("MonthsNote", 1)->isVisibleTo(window.get()));
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

TEST_F(CostsScreen, MinAmountFillsInTheMinimumOnceAndOnlyAnswersBlink)
{
    auto* minimum = control<QCheckBox>("MiniMumCheck", 0);
    click(minimum);
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), QStringLiteral("$25.00"));
    type("AmountIcanPayText", 0, QStringLiteral("40"));
    click(minimum); // unchecking changes nothing
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), QStringLiteral("40"));

    click("CalTimeCMD", 0);
    const auto shown = [this](const char* name) { return control(name, 0)->isVisibleTo(window.get()); };
    window->blinker()->tick(); // show
    for (const bool phase : {false, true}) {
        window->blinker()->tick();
        EXPECT_EQ(shown("MonthsLable"), phase);
        EXPECT_FALSE(shown("AmountLable")); // no answer yet
    }
}

} // namespace
} // namespace plenwick
