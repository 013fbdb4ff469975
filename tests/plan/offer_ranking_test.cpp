#include "plan/offer_ranking.h"
#include "plan/offer_terms.h"

#include "money/money_text.h"
#include "plan_cases.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <utility>

namespace plenwick {
namespace {

// 0: 21 free months, 3 % fee; 1: dearer than the card, fees unknown;
// 2: 12 free months, no transfer fee, $95 a year.
const std::vector<RankOffer> kOffers = {
    {"Zero 21", "http://x/0", {21, 0, 19.99}, dollars("0"), 3.0},
    {"Dear", "http://x/1", RatePlan::constant(29.99), std::nullopt, std::nullopt},
    {"Yearly fee", "http://x/2", {12, 0, 12}, dollars("95"), 0.0},
};

TEST(OfferRanking, FeesRoundOnceToTheTickAndCountEachStartedYear)
{
    const std::tuple<const char*, double, std::int64_t> cases[] = {
        {"1,000.01", 2.5, 250002}, {"1,000.03", 2.5, 250008}, {"333.33", 3.333333, 111110}, {"100", -3, 0},
        {"10,000", 4e-7, 0},       {"10,000", 6e-7, 1}};
    // The one offer's outcome for a card at 12 %, paying $1,000.00 a month.
    auto ranked = [](const char* balance, const RankOffer& offer) {
        return RankOffers({card(12, balance, "1000")}, {offer})->at(0).offers.at(0);
    };
    for (const auto& [balance, percent, ticks] : cases)
        EXPECT_EQ(ranked(balance, {"Fee", "", {}, {}, percent}).transferFee.ticks(), ticks) << balance;
    // Fees beyond the range of money: the transfer fee, and the yearly one for each of 2 years.
    EXPECT_TRUE(ranked("100", {"Fee", "", {}, {}, 1e30}).unusable);
    EXPECT_TRUE(ranked("900,000,000,000,000", {"Fee", "", {}, {}, 200.0}).unusable);
    EXPECT_TRUE(ranked("13,000", {"Fee", "", {}, dollars("900,000,000,000,000"), {}}).unusable); // 14 months
    EXPECT_FALSE(ranked("13,000", {"Fee", "", {}, dollars("900,000,000,000,000"), {}}).paidOff());

    // 12 months at 0 %: one year's fee; 13: two.
    EXPECT_EQ(RankOffers({card(0, "1,200", "100", {}, "50")}, {})->at(0).asItIs.cost, dollars("50"));
    EXPECT_EQ(RankOffers({card(0, "1,201", "100", {}, "50")}, {})->at(0).asItIs.cost, dollars("100"));
}

TEST(OfferRanking, ReadsAnOffersTexts)
{
    // Half months go to the even one; an empty or unreadable fee stays unknown.
    auto fields = [](const RankOffer& o) {
        return std::tuple(o.name, o.detailsAddress, o.plan.introMonths, o.plan.introRate, o.plan.regularRate,
                          o.annualFee, o.transferFeePercent);
    };
    EXPECT_EQ(fields(RankOfferFromTexts({"Zero 21", "http://x/0", "20.5", "1.5 %", "19.99%", "", "3%"})),
              std::tuple("Zero 21", "http://x/0", 20, 1.5, 19.99, std::nullopt, 3.0));
    EXPECT_EQ(fields(RankOfferFromTexts({"", "", "", "", "0", "$95", "n/a"})),
              std::tuple("", "", 0, 0.0, 0.0, dollars("95"), std::nullopt));
}

TEST(OfferRanking, AnOfferFieldThatIsNoUsableNumberIsNamedNeverCounted)
{
    // One field of "12|1.5|19.99|$95|3" changed (2 the intro months ... 6 the
    // transfer fee), and the fault named or the fees as read.
    const auto read = [](std::size_t field, const char* text) {
        std::array<std::string, 5> texts = {"12", "1.5", "19.99", "$95", "3"};
        texts.at(field - 2) = text;
        const RankOffer o = RankOfferFromTexts({"Gold", "", texts[0], texts[1], texts[2], texts[3], texts[4]});
        if (o.fault)
            return (o.fault->kind == OfferFieldFault::Kind::FeeOutOfRange ? "too large " : "unreadable ") +
                   o.fault->field + " " + o.fault->text;
        return (o.annualFee ? FormatByPattern(*o.annualFee, Pattern::Money) : "unknown") + " " +
               (o.transferFeePercent ? FormatByPattern(*o.transferFeePercent, Pattern::Rate) : "unknown");
    };
    const std::tuple<std::size_t, const char*, const char*> cases[] = {
        {4, "NaN", "unreadable regular rate NaN"},
        {4, "-0", "unreadable regular rate -0"},
        {4, "100", "$95.00 3.00"},
        {4, "100.01", "unreadable regular rate 100.01"},
        {2, "120", "$95.00 3.00"},
        {2, "120.4", "unreadable intro months 120.4"},
        {5, "$-5", "unknown 3.00"},
        {5, "$99999999999999999999", "too large annual fee $99999999999999999999"},
        {6, "-0", "$95.00 unknown"},
        {6, "100000000000000000000", "$95.00 100000000000000000000.00"},
    };
    for (const auto& [field, text, readAs] : cases)
        EXPECT_EQ(read(field, text), readAs) << field << " " << text;
    EXPECT_FALSE(RankOfferFromTexts({"Gold", "", "0", "NaN", "19.99", "", ""}).fault); // no intro: its rate unread
}

TEST(OfferRanking, PartsMergeIntoTheWholeAndWorkCanBeCancelled)
{
    const std::vector<DebtCard> cards = {card(24.99, "5,000", "300"), card(18, "2,000", "90")};
    std::vector<std::pair<std::size_t, std::size_t>> progress;
    RankingControl control{{}, [&](std::size_t done, std::size_t total) { progress.emplace_back(done, total); }};
    const std::vector<OfferRuns> parts = {*RunOffers(cards, kOffers, 2, 3, control), *RunOffers(cards, kOffers, 0, 2)};
    EXPECT_EQ(progress, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 1}}));
    EXPECT_TRUE(RunOffers(cards, kOffers, 5, 9)->cards.at(0).empty()); // past the end of the list
    EXPECT_EQ(RankRuns(cards, parts), RankOffers(cards, kOffers));
    // Progress comes from both threads, the parts' counts added up.
    std::atomic<bool> allDone = false;
    const RankingControl both{{}, [&allDone](std::size_t done, std::size_t total) {
                                  if (done == total && total == 3)
                                      allDone = true;
                              }};
    EXPECT_EQ(RankOffersOnThreads(cards, kOffers, 2, both), RankOffers(cards, kOffers));
    EXPECT_TRUE(allDone);

    // Asked before every run, and once per card when ranking.
    int asked = 0, answerNoTimes = 4;
    control.cancelled = [&] { return ++asked > answerNoTimes; };
    EXPECT_FALSE(RankOffers(cards, kOffers, control));
    EXPECT_EQ(std::exchange(asked, 0), 5);
    answerNoTimes = 1;
    EXPECT_FALSE(RankRuns(cards, parts, control));
    EXPECT_EQ(asked, 2);
}

} // namespace
} // namespace plenwick
