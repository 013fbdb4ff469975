#include "plan/offer_ranking.h"

#include "money/money_text.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

MoneyAmount dollars(const char* text) { return money(text).value(); }

DebtCard holding(const char* balance, double rate, const char* payment, const char* annualFee = "0")
{
    DebtCard card;
    card.balance = dollars(balance);
    card.annualRate = rate;
    card.actualPayment = dollars(payment);
    card.annualFee = dollars(annualFee);
    return card;
}

// 0: 21 free months, 3 % fee; 1: dearer than the card, fees unknown;
// 2: 12 free months, no transfer fee, $95 a year.
const std::vector<RankOffer> kOffers = {
    {"Zero 21", "http://x/0", {21, 0, 19.99}, dollars("0"), 3.0},
    {"Dear", "http://x/1", RatePlan::constant(29.99), std::nullopt, std::nullopt},
    {"Yearly fee", "http://x/2", {12, 0, 12}, dollars("95"), 0.0},
};

struct Expected {
    std::size_t offer;
    std::int64_t months;
    const char* transferFee;
    std::optional<const char*> cost, netSaving;
};

TEST(OfferRanking, RanksEachCardsOffersByWhatTheyCost)
{
    // $5,000.00 at 24.99 % paying $300.00 a month, $25 a year: 21 months,
    // interest $1,205.6542, cost $1,255.6542. Paying $50.00 it never ends.
    const std::vector<DebtCard> cards = {holding("5,000", 24.99, "300", "25"), holding("0", 18, "100"),
                                         holding("5,000", 24.99, "50", "25")};
    const auto rankings = RankOffers(cards, kOffers);
    ASSERT_TRUE(rankings);
    ASSERT_EQ(rankings->size(), 2U);
    const CardRanking& paying = (*rankings)[0];
    EXPECT_EQ(paying.asItIs.run.months, 21);
    EXPECT_EQ(paying.asItIs.cost, dollars("1,255.6542"));

    const Expected payingCases[] = {
        {0, 18, "150", "150", "1,105.6542"},     // 5,150 at 0 %: 17 x 300 + 50
        {2, 17, "0", "231.1126", "1,024.5416"},  // 41.1126 interest + 2 x 95
        {1, 22, "0", "1,548.2694", "-292.6152"}, // unknown fees count as 0
    };
    const CardRanking& never = (*rankings)[1];
    EXPECT_EQ(never.card, 2U);
    EXPECT_TRUE(never.asItIs.run.stoppedEarly);
    EXPECT_EQ(never.asItIs.cost, std::nullopt);
    const Expected neverCases[] = {
        {2, 226, "0", "8,059.2553", std::nullopt}, // paid off, but no saving to show
        {0, 1000, "150", std::nullopt, std::nullopt},
        {1, 1000, "0", std::nullopt, std::nullopt},
    };
    for (const auto& [ranking, cases] : {std::pair{&paying, payingCases}, std::pair{&never, neverCases}}) {
        for (std::size_t rank = 0; rank < 3; ++rank) {
            SCOPED_TRACE(testing::Message() << "card " << ranking->card << " rank " << rank);
            const OfferOutcome& got = ranking->offers[rank];
            const Expected& want = cases[rank];
            EXPECT_EQ(got.offer, want.offer);
            EXPECT_EQ(got.run.months, want.months);
            EXPECT_EQ(got.transferFee, dollars(want.transferFee));
            EXPECT_EQ(got.cost, want.cost ? money(*want.cost) : std::nullopt);
            EXPECT_EQ(got.netSaving, want.netSaving ? money(*want.netSaving) : std::nullopt);
        }
    }
}

TEST(OfferRanking, TransferFeeRoundsOnceToTheNearestTick)
{
    struct Case {
        const char* balance;
        double percent;
        std::int64_t ticks;
    } const cases[] = {{"1,000.01", 2.5, 250002},    {"1,000.03", 2.5, 250008},
                       {"333.33", 3.333333, 111110}, {"100", -3, 0},
                       {"10,000", 0.0000004, 0},     {"10,000", 0.0000006, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.balance);
        const auto rankings = RankOffers({holding(c.balance, 12, "1000")}, {{"Fee", "", {}, {}, c.percent}});
        EXPECT_EQ(rankings->at(0).offers.at(0).transferFee.ticks(), c.ticks);
    }
}

TEST(OfferRanking, AnnualFeesCountEachStartedYear)
{
    // 12 months at 0 %: one year; 13: two.
    for (const auto& [balance, cost] : {std::pair{"1,200", "50"}, std::pair{"1,201", "100"}}) {
        const auto rankings = RankOffers({holding(balance, 0, "100", "50")}, {});
        EXPECT_EQ(rankings->at(0).asItIs.cost, dollars(cost)) << balance;
    }
}

TEST(OfferRanking, PartsMergeIntoTheWholeAndWorkCanBeCancelled)
{
    const std::vector<DebtCard> cards = {holding("5,000", 24.99, "300"), holding("2,000", 18, "90")};
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    RankingControl control;
    control.progress = [&](std::size_t done, std::size_t total) { progress.emplace_back(done, total); };
    std::vector<OfferRuns> parts = {*RunOffers(cards, kOffers, 2, 3, control), *RunOffers(cards, kOffers, 0, 2)};
    EXPECT_EQ(progress, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 1}}));
    const auto merged = RankRuns(cards, parts);
    const auto whole = RankOffers(cards, kOffers);
    for (std::size_t c = 0; c < 2; ++c) {
        for (std::size_t rank = 0; rank < 3; ++rank) {
            EXPECT_EQ(merged->at(c).offers.at(rank).offer, whole->at(c).offers.at(rank).offer);
            EXPECT_EQ(merged->at(c).offers.at(rank).netSaving, whole->at(c).offers.at(rank).netSaving);
        }
    }

    int asked = 0;
    int answerNoTimes = 4;
    control.cancelled = [&] { return ++asked > answerNoTimes; };
    EXPECT_FALSE(RankOffers(cards, kOffers, control)); // asked before every run
    EXPECT_EQ(asked, 5);
    asked = 0;
    answerNoTimes = 1;
    EXPECT_FALSE(RankRuns(cards, parts, control)); // and once per card
    EXPECT_EQ(asked, 2);
}

} // namespace
} // namespace plenwick
