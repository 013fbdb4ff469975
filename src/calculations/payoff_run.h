#pragma once

#include "money/money_amount.h"
#include "money/money_text.h"

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
    bool operator==(const RatePlan&) const = default;

    // The monthly rate in percent charged in month m (1, 2, ...).
    double monthlyRate(std::int64_t month) const { return (month <= introMonths ? introRate : regularRate) / 12; }
};

// One month's interest on a balance at a monthly rate in percent, exactly as
// every run of the program charges it; no value outside the money range.
inline std::optional<MoneyAmount> monthInterest(MoneyAmount balance, double monthlyRate)
{
    return toMoney(balance.toDouble() * monthlyRate / 100);
}

// The count that stands for a card that is never paid off.
inline constexpr std::int64_t kNeverPaidOffMonths = 1000;

// A run gives up once it has charged interest in this many months: no typed
// figure needs more, stored ones could keep the window busy for hours. Months
// without interest do not count, so runs at 0 % still end exactly.
inline constexpr std::int64_t kMostInterestMonths = 5'000'000;

enum class RunEnd {
    PaidOff,
    NotCovered, // a month's interest was not covered, the payment could not be read, or money left its range
    TooLong,    // interest was charged in kMostInterestMonths months and the balance still owed
};

struct PayoffRunResult {
    std::int64_t months = 0; // kNeverPaidOffMonths when the run stopped early
    bool stoppedEarly = false;
    RunEnd end = RunEnd::PaidOff;
    // Charged in all months run, held at the largest amount when larger. For a
    // paid-off run: total paid = opening balance + interest.
    MoneyAmount interest;

    bool operator==(const PayoffRunResult&) const = default;
};

// Month by month: this month's interest on the opening balance, then the test
// that the payment covers it, then the payment. A run stops early at the first
// month whose interest the payment does not cover, when the payment could not
// be read, when the balance would leave the money range, or at the bound.
//
// Stretches of months with the same interest pass in one step, and each
// thread remembers its last 32 runs, so asking again costs nothing. Safe to
// call from several threads at once.
PayoffRunResult PayoffRun(MoneyAmount openingBalance, const RatePlan& plan, std::optional<MoneyAmount> payment,
                          std::int64_t mostInterestMonths = kMostInterestMonths);

// The same answer one month at a time: the plain statement of the rule, which
// PayoffRun must match. Too slow for the window; checks compare with it.
PayoffRunResult PayoffRunPlain(MoneyAmount openingBalance, const RatePlan& plan, std::optional<MoneyAmount> payment,
                               std::int64_t mostInterestMonths = kMostInterestMonths);

// The level monthly payment that clears the balance in the given months at a
// monthly rate r (a fraction). At a zero rate it is balance / months. No value
// where the formula has no finite answer.
std::optional<double> LevelPayment(double balance, double r, double months);

} // namespace plenwick
