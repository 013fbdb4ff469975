// Speed of the payoff simulation.
#include "calculations/payoff.h"
#include "calculations/payoff_run.h"
#include "money/money_text.h"

#include <benchmark/benchmark.h>

namespace {

using plenwick::MoneyAmount;

// $10,000,000.00 at 0.01 % a year, paid $833.34 a month: the interest is
// charged in every month, so no month is skipped.
const MoneyAmount kBalance = *plenwick::money("10,000,000.00");
const MoneyAmount kPayment = *plenwick::money("833.34");
constexpr double kRate = 0.01;

void PayoffRunMonths(benchmark::State& state)
{
    std::int64_t months = 0;
    for (auto _ : state) {
        const auto result = plenwick::PayoffRun(kBalance, plenwick::RatePlan::constant(kRate), kPayment);
        benchmark::DoNotOptimize(result);
        months += result.months;
    }
    state.counters["months"] = benchmark::Counter(static_cast<double>(months), benchmark::Counter::kIsRate);
}
BENCHMARK(PayoffRunMonths)->Unit(benchmark::kMillisecond);

// The same monthly arithmetic with nothing around it, as the floor to compare with.
void BareMonthLoop(benchmark::State& state)
{
    std::int64_t months = 0;
    for (auto _ : state) {
        std::int64_t balance = kBalance.ticks();
        std::int64_t count = 0;
        const double monthlyRate = kRate / 12;
        while (balance > 0) {
            const double interest =
                plenwick::roundHalfEven(static_cast<double>(balance) / 10000 * monthlyRate / 100 * 10000);
            const auto interestTicks = static_cast<std::int64_t>(interest);
            if (interestTicks >= kPayment.ticks())
                break;
            balance = balance + interestTicks - kPayment.ticks();
            ++count;
        }
        benchmark::DoNotOptimize(count);
        months += count;
    }
    state.counters["months"] = benchmark::Counter(static_cast<double>(months), benchmark::Counter::kIsRate);
}
BENCHMARK(BareMonthLoop)->Unit(benchmark::kMillisecond);

void MillionMonthsAtNoInterest(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(plenwick::PayoffMonths("$10,000.00", "0.00", "$0.01"));
}
BENCHMARK(MillionMonthsAtNoInterest)->Unit(benchmark::kMicrosecond);

// The longest run typed values can cause: the lowest two-decimal rate, and a
// payment just above the first month's interest on the largest balance.
void LongestTypedRun(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(plenwick::PayoffMonths(
            "$922,337,203,685,477.58", "0.01", state.range(0) == 0 ? "$7,686,143,364.05" : "$7,686,143,364.06"));
}
BENCHMARK(LongestTypedRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
