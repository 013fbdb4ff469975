#pragma once

#include "calculations/payoff_run.h"
#include "money/money_amount.h"

#include <QString>

namespace plenwick {

// A card moved to an advertised card for My Plan: its balance plus the
// transfer fee is charged the offer's rates from the plan's first month.
struct OfferMove {
    QString offerName;
    RatePlan ratePlan;
    MoneyAmount transferFee;
};

} // namespace plenwick
