#include "screen_fixture.h"
#include "screens/cards_screen.h"

#include <QClipboard>
#include <QSignalSpy>

namespace plenwick::testing_support {

using CardsScreenTest = ScreenTest;

TEST_F(CardsScreenTest, BoxesTakeTheirNormalFormWhenLeftAndTabRunsCardByCard)
{
    auto* screen = open(std::make_unique<CardsScreen>(nullptr), {});
    QSignalSpy edits(screen, &CardsScreen::cardsEdited);
    const char* cases[][3] = {
        {"CardNameText", " 1234.5 ", " 1234.5 "}, {"CardNameText", "Gold|Card", "GoldCard"},
        {"InterestRateText", "29.99 %", "29.99"}, {"TotalDueText", "1234.5", "$1,234.50"},
        {"MinimumPaymentText", "abc", "abc"},
    };
    for (const auto& [name, typed, normal] : cases) {
        type(name, 1, typed);
        EXPECT_EQ(box(name, 1)->text(), normal) << name;
    }
    EXPECT_FALSE(edits.isEmpty());
    EXPECT_EQ(screen->cards()[1][CardRow::TotalDue], "$1,234.50");
    QApplication::clipboard()->setText("|12|34|");
    box("AnnualFeeText", 0)->paste();
    EXPECT_EQ(box("AnnualFeeText", 0)->text(), "1234");

    screen->firstField()->setFocus();
    for (int card = 0; card < 5; ++card) {
        for (const char* field : {"CardNameText", "AnnualFeeText", "InterestRateText", "TotalDueText",
                                  "MinimumPaymentText", "ActualPaymentText"}) {
            EXPECT_TRUE(box(field, card)->hasFocus()) << field << " " << card;
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }
    EXPECT_TRUE(control("SaveCMD")->hasFocus());
}

} // namespace plenwick::testing_support
