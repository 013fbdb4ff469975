#pragma once

#include "money/money_amount.h"

#include <cstdint>
#include <optional>

namespace plenwick {

// Annual rates in percent: months 1 to introMonths are charged introRate,
// every later month regularRate.
struct RatePlan {
    std::int32_t introMonths = 0;
    double introRate = 0;
    double regularRate = 0;

    static RatePlan constant(double annualRate) { return {0, annualRate, annualRate}; }
};

// The count that stands for a card that is never paid off.
inline constexpr std::int64_t kNeverPaidOffMonths = 1000;

struct PayoffRunResult {
    std::int64_t months = 0; // kNeverPaidOffMonths when the run stopped early
    bool stoppedEarly = false;

    bool operator==(const PayoffRunResult&) const = default;
};

// Month by month: this month's interest on the opening balance, then the test
// that the payment covers it, then the payment. A run stops early at the first
// month whose interest the payment does not cover, when the payment could not
// be read, or when the balance would leave the money range.
PayoffRunResult PayoffRun(MoneyAmount openingBalance, const RatePlan& plan, std::optional<MoneyAmount> payment);

// The level monthly payment that clears the balance in the given months at a
// monthly rate r (a fraction). At a zero rate it is balance / months. No value
// where the formula has no finite answer.
std::optional<double> LevelPayment(double balance, double r, double months);

} // namespace plenwick
