// Speed of the payoff runs: the slowest figures a card or offer file can hold,
// the longest typed run, and everyday cards.
//
// Runs remember their recent answers, so every benchmark that measures the
// arithmetic cycles through more distinct figures than are remembered.
#include "calculations/payoff.h"
#include "calculations/payoff_run.h"
#include "calculations/savings.h"
#include "money/money_text.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace plenwick;

constexpr std::size_t kDistinct = 64;

// Goes on from run to run (repetitions included), so no run meets the
// figures the previous one left behind.
std::size_t g_next = 0;

// kDistinct balance texts counting down a cent at a time from the given one.
std::vector<std::string> balancesBelow(const char* text)
{
    std::vector<std::string> texts;
    const MoneyAmount cent = *money("0.01");
    for (auto amount = money(text); texts.size() < kDistinct; amount = amount->minus(cent))
        texts.push_back(FormatByPattern(*amount, Pattern::Money));
    return texts;
}

void payoffMonths(benchmark::State& state, const char* balance, const char* rate, const char* payment)
{
    const auto balances = balancesBelow(balance);
    for (auto _ : state)
        benchmark::DoNotOptimize(PayoffMonths(balances[g_next++ % kDistinct], rate, payment));
    state.SetLabel(*PayoffMonths(balance, rate, payment).caption);
}

// A stored card row: about 2.4 x 10^12 months, each charging interest.
void FreezeCardRow(benchmark::State& state) { payoffMonths(state, "$100,000,000,000.00", "0.0000000012", "$0.11"); }
BENCHMARK(FreezeCardRow)->Unit(benchmark::kMillisecond);

// The same card against a stored offer of the same rate, on My Savings.
void FreezeOffer(benchmark::State& state)
{
    const auto balances = balancesBelow("$100,000,000,000.00");
    SavingsRow row{"",           "0.0000000012", "$0.11",
                   std::nullopt, std::nullopt,   SavingsOffer{"Tiny", "0", "0", "0.0000000012"}};
    for (auto _ : state) {
        row.totalDue = balances[g_next++ % kDistinct];
        benchmark::DoNotOptimize(SavingsOptions(row));
    }
}
BENCHMARK(FreezeOffer)->Unit(benchmark::kMillisecond);

// Interest falls by a tick only every few thousand months: 215,013 months.
void SlowDecay(benchmark::State& state) { payoffMonths(state, "$10,000.00", "0.01", "$0.10"); }
BENCHMARK(SlowDecay)->Unit(benchmark::kMillisecond);

// The longest run typed figures can give: 3,902,665 months.
void LongestTypedRun(benchmark::State& state)
{
    payoffMonths(state, "$922,337,203,685,477.58", "0.01", "$7,686,143,364.0457");
}
BENCHMARK(LongestTypedRun)->Unit(benchmark::kMillisecond);

// A million months at no interest: one step.
void MillionMonthsAtNoInterest(benchmark::State& state) { payoffMonths(state, "$10,000.00", "0.00", "$0.01"); }
BENCHMARK(MillionMonthsAtNoInterest)->Unit(benchmark::kMicrosecond);

struct Card {
    MoneyAmount balance;
    double rate;
    MoneyAmount payment;
};

// Everyday cards: $500 to $10,000 at 10 to 30 %, paid off in 1 to 10 years.
std::vector<Card> everydayCards()
{
    std::mt19937_64 random(20261206);
    std::vector<Card> cards;
    for (int i = 0; i < 512; ++i) {
        const double balance = std::uniform_int_distribution<int>(50'000, 1'000'000)(random) / 100.0;
        const double rate = std::uniform_int_distribution<int>(1'000, 3'000)(random) / 100.0;
        const int months = std::uniform_int_distribution<int>(12, 120)(random);
        const double payment = std::ceil(*LevelPayment(balance, rate / 1200, months) * 100) / 100;
        cards.push_back({*toMoney(balance), rate, *toMoney(payment)});
    }
    return cards;
}

// Per card; with two threads as the ranking of offers runs them.
void EverydayCards(benchmark::State& state)
{
    const auto cards = everydayCards();
    std::size_t i = 0;
    std::int64_t months = 0;
    for (auto _ : state) {
        const Card& card = cards[i++ % cards.size()];
        const auto run = PayoffRun(card.balance, RatePlan::constant(card.rate), card.payment);
        benchmark::DoNotOptimize(run);
        months += run.months;
    }
    state.counters["months"] = benchmark::Counter(static_cast<double>(months), benchmark::Counter::kAvgIterations);
}
BENCHMARK(EverydayCards)->Unit(benchmark::kMicrosecond);
BENCHMARK(EverydayCards)->Unit(benchmark::kMicrosecond)->Threads(2);

// Opening My Savings again with three extreme rows and nothing changed.
void SavingsAgain(benchmark::State& state)
{
    const SavingsOffer tiny{"Tiny", "0", "0", "0.0000000012"};
    const std::vector<SavingsRow> rows = {
        {"$100,000,000,000.00", "0.0000000012", "$0.11", std::nullopt, std::nullopt, tiny},
        {"$10,000.00", "0.01", "$0.10", std::nullopt, std::nullopt, tiny},
        {"$922,337,203,685,477.58", "0.01", "$7,686,143,364.0457", std::nullopt, std::nullopt, tiny},
    };
    for (const auto& row : rows)
        benchmark::DoNotOptimize(SavingsOptions(row));
    for (auto _ : state) {
        for (const auto& row : rows)
            benchmark::DoNotOptimize(SavingsOptions(row));
    }
}
BENCHMARK(SavingsAgain)->Unit(benchmark::kMillisecond);

} // namespace
