#pragma once

#include "money/money_amount.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace plenwick {

// What paying a balance off at a monthly payment takes, month by month as
// every payoff run charges it.
struct PayoffCost {
    std::int64_t months = 0;
    MoneyAmount interest;
};

// Texts as the boxes hold them; none when the balance is never paid off.
std::optional<PayoffCost> CostOfPayingOff(std::string_view balance, std::string_view rate, std::string_view payment);

} // namespace plenwick
