#include "screen_fixture.h"
#include "screens/costs_screen.h"

#include <QCheckBox>

namespace plenwick::testing_support {

class CostsScreenTest : public ScreenTest {
protected:
    void SetUp() override
    {
        open(std::make_unique<CostsScreen>(context(), nullptr),
             CardBook{{{{"Harbor Gold", "", "12.00", "$1,000.00", "$25.00", "$100.00"}},
                       {{"Meadow", "", "APR 18.9", "$1,000.00", "", ""}},
                       {},
                       {{"", "", "", "77", "", ""}}}});
    }
    // The answer and the line under it: "Months" or "Amount".
    QString answer(const QString& kind, int row) const
    {
        return caption(kind + "Lable", row) + '/' + caption(kind.toLower() + "Note", row);
    }
};

TEST_F(CostsScreenTest, EnterOrCalculateAnswersInItsOwnRowHeardByNameWhileItBlinksOrSaysWhatIsWrong)
{
    EXPECT_EQ(box("CardName2Text", 0)->text(), "Harbor Gold");
    EXPECT_EQ(box("TotalDue2Text", 3)->text(), "77"); // copied as it stands

    for (const auto& [name, typed] : {std::pair{"AmountIcanPayText", "100"}, {"DebtFreeMonthsText", "12"}}) {
        box(name, 0)->setFocus();
        QTest::keyClicks(box(name, 0), typed);
        QTest::keyClick(box(name, 0), Qt::Key_Return);
    }
    EXPECT_EQ(answer("Months", 0), "11 months/February 2027 · interest\u00a0$58.98");
    EXPECT_EQ(answer("Amount", 0), "$88.85 monthly/interest\u00a0$66.18 in all");
    blinker.tick(); // show
    blinker.tick(); // hide: the answers stay for screen readers
    EXPECT_EQ(heard("MonthsLable", 0), "StaticText \"Months to pay off, Card 1\": 11 months");
    EXPECT_EQ(heard("MonthsLable", 1), "StaticText \"Months to pay off, Card 2\":  (hidden)");
    EXPECT_TRUE(messages->texts.isEmpty());

    type("AmountIcanPayText", 0, "");
    click("CalTimeCMD", 0); // the calculation's message; the answer stays
    EXPECT_EQ(messages->texts, QStringList{"Enter Payment Amount"});
    EXPECT_EQ(caption("MonthsLable", 0), "11 months");
}

TEST_F(CostsScreenTest, ACardWhoseBankSetsItsMinimumByAFormulaGetsItsStatementsWarning)
{
    auto* screen = static_cast<CostsScreen*>(shownScreen.get());
    EXPECT_FALSE(shown("minimumNote", 0));
    screen->setMinimumRules({{0, {kMinimumPercentPlusInterest, "1", "$40", {}}}, {1, {kMinimumPercent, "2", "", {}}}});
    EXPECT_EQ(caption("minimumNote", 0),
              "Paying only the minimum: about 2 years, $1,156 in all"); // $40 a month, 29 months
    EXPECT_FALSE(shown("minimumNote", 1));                              // its rate cannot be read
}

TEST_F(CostsScreenTest, MinAmountFillsInTheMinimumOnce)
{
    auto* minimum = control<QCheckBox>("MiniMumCheck", 0);
    click(minimum);
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), "$25.00");
    type("AmountIcanPayText", 0, "40");
    click(minimum); // unchecking changes nothing
    EXPECT_EQ(box("AmountIcanPayText", 0)->text(), "40");
}

} // namespace plenwick::testing_support
