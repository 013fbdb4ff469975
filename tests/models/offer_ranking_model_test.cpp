#include "model_rows.h"
#include "models/offer_ranking_model.h"
#include "plan/offer_terms.h"
#include "plan/plan_cases.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

// Card 1 pays off with either offer; card 2 never pays off at all.
std::shared_ptr<const RankedOffers> ranking()
{
    auto offers = std::make_shared<const std::vector<RankOffer>>(
        std::vector<RankOffer>{{"Zero 21", "http://x/0", {21, 0, 19.99}, dollars("0"), 3.0},
                               {"Dear", "http://x/1", RatePlan::constant(29.99), std::nullopt, std::nullopt}});
    std::vector<DebtCard> cards = {card(24.99, "5,000", "300", {}, "25"), card(30, "1000", "1")};
    cards[0].name = "Harbor Gold";
    cards[1].row = 1;
    auto rankings = RankOffers(cards, *offers);
    return std::make_shared<const RankedOffers>(RankedOffers{cards, offers, *rankings});
}

class OfferRankingModelTest : public testing::Test {
protected:
    QString cell(int row, int column) const { return proxy.index(row, column).data().toString(); }
    void sortBy(int column, Qt::SortOrder order) { proxy.sort(column, order); }

    OfferRankingModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Warning};
    OfferRankingProxy proxy{&model};
};

TEST_F(OfferRankingModelTest, ShowsEachCardsOffersBestFirstWithTheirFiguresInWords)
{
    model.show(ranking());
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(rowText(proxy, 0), "Harbor Gold|\u2605 Zero 21|21 mo at 0.00%|19.99%|$150.00 (3.00%)|$0.00|21 \u2192 18|"
                                 "$1,205.65 \u2192 $0.00|$1,105.65");
    EXPECT_EQ(cell(1, 2) + " " + cell(1, 4) + " " + cell(1, 5), "none unknown unknown");
    EXPECT_EQ(cell(1, 8), "-$292.62"); // dearer than the card
    EXPECT_EQ(cell(2, 0) + " " + cell(2, 1) + " " + cell(2, 6), "Card 2 Zero 21 never \u2192 never");
    EXPECT_EQ(cell(2, 8), "never paid off");
    EXPECT_EQ(proxy.index(2, 6).data(Qt::ToolTipRole).toString(),
              "With the offer: The actual payment does not cover a month's interest.");
    EXPECT_TRUE(model.isBest(0));
    EXPECT_FALSE(model.isBest(2)); // a card never paid off has no best offer
    EXPECT_TRUE(proxy.index(0, 1).data(Qt::FontRole).value<QFont>().bold());
}

TEST_F(OfferRankingModelTest, SortsAnyColumnWithOffersNeverPaidOffLastAndShowsOneCardOrAll)
{
    model.show(ranking());
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        sortBy(OfferRankingModel::SavingColumn, order);
        EXPECT_EQ(cell(0, 8), order == Qt::AscendingOrder ? "-$292.62" : "$1,105.65");
        EXPECT_EQ(cell(3, 8), "never paid off");
    }
    sortBy(OfferRankingModel::OfferColumn, Qt::AscendingOrder);
    EXPECT_EQ(cell(0, 1), "Dear");
    proxy.showCard(1);
    ASSERT_EQ(proxy.rowCount(), 2);
    EXPECT_EQ(cell(0, 0), "Card 2");
    proxy.showCard(std::nullopt);
    EXPECT_EQ(proxy.rowCount(), 4);
    model.show(nullptr);
    EXPECT_EQ(proxy.rowCount(), 0);
}

TEST_F(OfferRankingModelTest, OffersThatCannotBeWorkedOutSaySoComeLastAndAreNeverStarred)
{
    auto offers = std::make_shared<const std::vector<RankOffer>>(std::vector<RankOffer>{
        RankOfferFromTexts({"Broken", "", "12", "0", "NaN", "$95", "3"}),
        RankOfferFromTexts({"Far", "", "", "", "9", "$99999999999999999999", ""}),
        {"Fine", "", RatePlan::constant(9), {}, {}},
        {"Never", "", RatePlan::constant(99), {}, {}},
    });
    const std::vector<DebtCard> cards = {card(24.99, "5,000", "300")};
    model.show(std::make_shared<const RankedOffers>(RankedOffers{cards, offers, *RankOffers(cards, *offers)}));
    EXPECT_EQ(rowText(proxy, 2), "Card 1|Broken|12 mo at 0.00%|unreadable|3.00%|$95.00|21 \u2192 -|$1,205.65 \u2192 -|"
                                 "unreadable rate: regular rate \"NaN\"");
    EXPECT_EQ(rowText(proxy, 3), "Card 1|Far|none|9.00%|unknown|past the money range|21 \u2192 -|$1,205.65 \u2192 -|"
                                 "unusable: annual fee \"$9999999999999999999\u2026\" is past the money range");
    EXPECT_EQ(cell(0, 1), "\u2605 Fine");
    sortBy(OfferRankingModel::InterestColumn, Qt::DescendingOrder);
    EXPECT_EQ(cell(3, 1), "Far");
}

} // namespace
} // namespace plenwick
