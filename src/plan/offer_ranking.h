#pragma once

#include "calculations/payoff_run.h"
#include "money/money_amount.h"
#include "plan/debt_card.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace plenwick {

// A field that keeps an offer from being worked out, and what it said.
struct OfferFieldFault {
    enum class Kind : std::uint8_t {
        UnreadableRate, // a rate or months field that is no usable number
        FeeOutOfRange,  // a fee past the money range
    };
    Kind kind = Kind::UnreadableRate;
    std::string field; // "intro months", "intro rate", "regular rate", "annual fee"
    std::string text;

    bool operator==(const OfferFieldFault&) const = default;
};

// An advertised card with its fields already read. A fee that is unknown
// counts as 0 and stays unknown here, for the screen to say so. An offer with
// a fault is never worked out: its plan holds only the fields that read.
struct RankOffer {
    std::string name, detailsAddress;
    RatePlan plan;
    std::optional<MoneyAmount> annualFee;
    std::optional<double> transferFeePercent; // of the moved balance
    std::optional<OfferFieldFault> fault{};
};

// Lets a worker thread stop early and tell how far it has come.
struct RankingControl {
    std::function<bool()> cancelled;                        // asked before every payoff run
    std::function<void(std::size_t, std::size_t)> progress; // offers done and offers in all, after each offer
};

// One card moved to one offer and paid at its actual payment. The transfer
// fee is balance x percent / 100, the percent taken to six decimals, rounded
// once to the nearest ten-thousandth (an exact half to the even one); a
// percent of 0 or less, or unknown, is no fee.
struct OfferOutcome {
    std::size_t offer = 0; // position in the offer list
    MoneyAmount transferFee;
    PayoffRunResult run; // of the balance plus the fee
    // Fee + interest + the offer's annual fee for each started year of the
    // payoff; none when the run stopped early or the cost leaves the range.
    std::optional<MoneyAmount> cost;
    // Cost as it is - cost with the offer; none when either cost is none.
    std::optional<MoneyAmount> netSaving;
    // Not worked out: the offer has a fault, or its fees leave the money range
    // for this card. Its run counts as stopped early.
    bool unusable = false;

    bool paidOff() const { return cost.has_value(); }
    bool operator==(const OfferOutcome&) const = default;
};

// The card at its own rate and actual payment; its cost is the interest plus
// its own annual fee for each started year, none when never paid off.
struct CardAsItIs {
    PayoffRunResult run;
    std::optional<MoneyAmount> cost;
    bool operator==(const CardAsItIs&) const = default;
};

// Best first: the offers that pay off by cost, lowest first (which is the
// highest net saving), then those that never pay off, then those that could
// not be worked out; ties in offer order.
struct CardRanking {
    std::size_t card = 0; // position in the card list
    CardAsItIs asItIs;
    std::vector<OfferOutcome> offers;
    bool operator==(const CardRanking&) const = default;
};

// The runs of offers [first, last) for every card, unranked.
struct OfferRuns {
    std::size_t first = 0;
    std::vector<std::vector<OfferOutcome>> cards; // per card, in offer order; empty for a card that owes nothing
};

// Moves every card that owes to each offer in [first, last). Parts of the
// list may run on different threads. None when cancelled.
std::optional<OfferRuns> RunOffers(const std::vector<DebtCard>& cards, const std::vector<RankOffer>& offers,
                                   std::size_t first, std::size_t last, const RankingControl& control = {});

// Each card that owes, as it is, against the runs of all parts, ranked. None
// when cancelled.
std::optional<std::vector<CardRanking>> RankRuns(const std::vector<DebtCard>& cards, std::vector<OfferRuns> parts,
                                                 const RankingControl& control = {});

// Both steps over the whole list on this thread.
std::optional<std::vector<CardRanking>> RankOffers(const std::vector<DebtCard>& cards,
                                                   const std::vector<RankOffer>& offers,
                                                   const RankingControl& control = {});

// Both steps with the list cut into `threads` parts run side by side, this
// thread taking the first. The control is asked from every thread; progress
// counts the offers done in all parts together.
std::optional<std::vector<CardRanking>> RankOffersOnThreads(const std::vector<DebtCard>& cards,
                                                            const std::vector<RankOffer>& offers, std::size_t threads,
                                                            const RankingControl& control = {});

// A finished ranking with what it was made of, for a table to show. The
// offers are shared with the list they were read from.
struct RankedOffers {
    std::vector<DebtCard> cards;
    std::shared_ptr<const std::vector<RankOffer>> offers;
    std::vector<CardRanking> rankings;
};

} // namespace plenwick
