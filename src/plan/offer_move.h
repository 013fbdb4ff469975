#pragma once

#include "calculations/payoff_run.h"
#include "money/money_amount.h"

#include <cstddef>
#include <map>
#include <string>

namespace plenwick {

// A card moved to an advertised card for the plan: its balance plus the
// transfer fee is charged the offer's rates from the plan's first month.
struct OfferMove {
    std::string offerName;
    RatePlan ratePlan;
    MoneyAmount transferFee;
    bool operator==(const OfferMove&) const = default;
};

// The moves the person chose, by the My Cards row of the card moved.
using OfferMoves = std::map<std::size_t, OfferMove>;

} // namespace plenwick
