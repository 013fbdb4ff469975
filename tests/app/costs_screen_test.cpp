#include "main_window_fixture.h"

#include <QCheckBox>

namespace plenwick::testing_support {

using CostsScreen = MainWindowTest;

TEST_F(CostsScreen, EachCalculateWritesItsRowsAnswerOrSaysWhatIsWrongAndOnlyAnswersBlink)
{
    enterCard(0, {"Harbor Gold", "12", "1000", "100", "25"});
    enterCard(1, {"Meadow", "APR 18.9", "1000", "100"});
    box("TotalDueText", 3)->setText("77"); // card 4 cannot be typed into; its boxes are still copied as they are
    click("MyCardsCMD", 1);
    const struct {
        int row;
        bool months; // how long at a payment, or what payment for a number of months
        const char* typed;
        const char* answer; // the caption as it stands after the click, and the line below it
        const char* message;
    } cases[] = {
        {0, true, "100", "11 months/February 2027 · interest\u00a0$58.98", ""},
        {0, true, "", "11 months/February 2027 · interest\u00a0$58.98", "Enter Payment Amount"},
        {0, true, "10", "Infinite months/",
         "Your payments are not enough to cover the accumulated interest.  Try increasing the payments."},
        {0, false, "12", "$88.85 monthly/interest\u00a0$66.18 in all", ""},
        {0, false, "soon", "$88.85 monthly/interest\u00a0$66.18 in all", "Enter re-payment period"},
        {1, true, "100", "-/", "Card 2: the Interest Rate \"APR 18.9\" is not a number"},
    };
    EXPECT_EQ(box("CardName2Text", 0)->text() + box("TotalDue2Text", 3)->text(), "Harbor Gold77");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        messages->texts.clear();
        type(c.months ? "AmountIcanPayText" : "DebtFreeMonthsText", c.row, c.typed);
        click(c.months ? "CalTimeCMD" : "CalAmountCMD", c.row);
        const QString label = c.months ? "Months" : "Amount";
        EXPECT_EQ(caption(label + "Lable", c.row) + '/' + caption(label + "Note", c.row), QString::fromUtf8(c.answer));
        EXPECT_EQ(messages->texts.join(""), c.message);
        // Only the row's own label answers.
        EXPECT_EQ(caption("MonthsLable", 1 - c.row), c.row ? "Infinite months" : "-");
        EXPECT_FALSE(shown("MonthsNote", 1));
    }

    // Min. Amount fills in the minimum once; only answers blink.
    auto* minimum = control<QCheckBox>("MiniMumCheck", 0);
    click(minimum);
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), "$25.00");
    type("AmountIcanPayText", 0, "40");
    click(minimum); // unchecking changes nothing
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), "40");

    click("CalTimeCMD", 0);
    window->blinker()->tick(); // show
    for (const bool phase : {false, true}) {
        window->blinker()->tick();
        EXPECT_EQ(shown("MonthsLable", 0) + shown("AmountLable", 0), 2 * phase);
        EXPECT_FALSE(shown("AmountLable", 1)); // no answer
    }
}

} // namespace plenwick::testing_support
