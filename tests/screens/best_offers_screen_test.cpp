#include "screen_fixture.h"
#include "screens/best_offers_screen.h"

#include <QSignalSpy>
#include <QTableView>

namespace plenwick::testing_support {

class BestOffersScreenTest : public ScreenTest {
protected:
    void SetUp() override
    {
        auto made = std::make_unique<BestOffersScreen>(context(), nullptr);
        made->setOffers(offers);
        screen = open(std::move(made), cards);
    }
    QTableView* table() const { return control<QTableView>("offersView"); }
    int rows() const { return table()->model()->rowCount(); }
    bool ranked() const
    {
        return QTest::qWaitFor([this] { return rows() > 0; });
    }
    void clickRow(int row)
    {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                          table()->visualRect(table()->model()->index(row, 1)).center());
    }

    CardBook cards{{{{"Harbor Gold", "", "24.99", "$3,000.00", "", "$150.00"}},
                    {{"Meadow", "", "12", "$1,000.00", "", "$100.00"}}}};
    const OfferList offers = {{"Zero Fee Plus", "http://x.example/zero", "12", "0", "19.99", "", ""},
                              {"Pricey Gold", "http://x.example/p", "0", "0", "29.99", "$95", "3"}};
    BestOffersScreen* screen = nullptr;
};

TEST_F(BestOffersScreenTest, RanksEveryOfferForEachCardAndActsOnTheChosenRow)
{
    ASSERT_TRUE(ranked());
    EXPECT_EQ(rows(), 4);
    chooseWithKeyboard(choice("cardChoice"), 2);
    ASSERT_EQ(rows(), 2);

    clickRow(0);
    EXPECT_TRUE(opener->opened.empty()); // choosing a row opens nothing
    click("showDetailsButton");
    QTest::keyClick(table(), Qt::Key_Return);
    EXPECT_EQ(opener->opened, QList<QUrl>(2, QUrl("http://x.example/zero")));
}

TEST_F(BestOffersScreenTest, NewOffersOrAChangedCardRankAfreshAndACancelledRankingNeverShows)
{
    screen->setOffers({});
    EXPECT_EQ(caption("rankStatus"), "No offers have come from the server yet.");
    screen->setOffers(offers); // ranked at once, the screen being in view
    ASSERT_TRUE(ranked());

    screen->dropRanking(); // a card changed
    EXPECT_EQ(rows(), 4);  // shown until the next showing
    screen->enter(cards);
    screen->dropRanking();
    QTest::qWait(300);
    EXPECT_EQ(rows(), 0);
    EXPECT_FALSE(shown("rankProgress"));
    screen->enter(cards);
    EXPECT_TRUE(ranked());

    cards[0][CardRow::AnnualFee] = "$10.00";
    screen->enter(cards);
    click("cancelRankButton");
    screen->enter(cards); // the person's cancel holds until "Rank"
    QTest::qWait(300);
    EXPECT_EQ(rows(), 0);
    click("rankButton");
    EXPECT_TRUE(ranked());
}

TEST_F(BestOffersScreenTest, SaysWhatOfTheOfferFileWasLeftOutAndMovesNoOfferItCannotWorkOut)
{
    screen->setOffers({}, {0, true});
    EXPECT_EQ(caption("rankStatus"),
              "The offer list on the server was too large (over 1 MiB), so no offers were read.");
    screen->setOffers({offers[0], {"Broken", "", "12", "0", "NaN", "", ""}}, {40000, false});
    ASSERT_TRUE(ranked());
    EXPECT_TRUE(caption("rankStatus").endsWith(" Left out: 40,000 offers past the first 32,767 the list can hold."));
    QSignalSpy moves(screen, &BestOffersScreen::planMoveAsked);
    clickRow(1);
    click("useInPlanButton");
    EXPECT_EQ(moves.count(), 0);
    EXPECT_EQ(caption("rankStatus"), "Broken cannot be worked out, so it cannot go into My Plan.");
}

} // namespace plenwick::testing_support
