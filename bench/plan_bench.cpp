// Speed of the plan across all cards and of the offer ranking.
#include "money/money_text.h"
#include "plan/debt_plan.h"
#include "plan/offer_ranking.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

namespace {

using namespace plenwick;

MoneyAmount dollars(const char* text) { return money(text).value(); }

// Five cards at low rates and a budget just above their interest: the plan
// runs close to its 1,200-month bound.
std::vector<DebtCard> fiveSlowCards()
{
    std::vector<DebtCard> cards;
    const double rates[] = {1.9, 2.4, 0.9, 3.1, 1.5};
    const char* balances[] = {"12,000", "8,500", "20,000", "4,250.75", "9,999.99"};
    for (int i = 0; i < 5; ++i) {
        DebtCard card;
        card.annualRate = rates[i];
        card.balance = dollars(balances[i]);
        card.minimumPayment = dollars("10");
        card.actualPayment = dollars("25");
        cards.push_back(card);
    }
    cards[2].ratePlan = RatePlan{12, 0, 0.9};
    return cards;
}

void PlanOfFiveCards(benchmark::State& state)
{
    const auto cards = fiveSlowCards();
    std::int32_t months = 0;
    for (auto _ : state) {
        const DebtPlan plan = BuildDebtPlan(cards, dollars("83.5"), PlanStrategy::HighestRateFirst, {2027, 1});
        months = plan.months;
        benchmark::DoNotOptimize(plan);
    }
    state.counters["months"] = months;
}
BENCHMARK(PlanOfFiveCards)->Unit(benchmark::kMicrosecond);

// Debts at 0.5-3.5 % with $1-$5 minimums, some with an intro rate or a
// bank's minimum formula, in the person's own order (last first), with dated
// extras and a raise, and the smallest whole-dollar budget that still pays
// them off in highest-rate order: the plan runs close to its 1,200-month
// bound.
struct SlowBook {
    std::vector<DebtCard> debts;
    MoneyAmount budget;
    PlanOptions options;
};

SlowBook slowBook(int count)
{
    SlowBook book;
    std::mt19937_64 random(count);
    auto between = [&](std::int64_t low, std::int64_t high) {
        return std::uniform_int_distribution<std::int64_t>(low, high)(random);
    };
    for (int i = 0; i < count; ++i) {
        DebtCard debt;
        debt.annualRate = static_cast<double>(between(50, 350)) / 100;
        debt.balance = MoneyAmount::fromTicks(between(1'000, 20'000) * 10'000);
        debt.minimumPayment = MoneyAmount::fromTicks(between(1, 5) * 10'000);
        debt.actualPayment = debt.minimumPayment;
        if (i % 5 == 0)
            debt.ratePlan = RatePlan{static_cast<std::int32_t>(between(6, 21)), 0, debt.annualRate};
        if (i % 7 == 0)
            debt.minimumRule = {MinimumRule::Kind::PercentPlusInterest, 0.1, debt.minimumPayment};
        book.debts.push_back(debt);
        book.options.ownOrder.push_back(static_cast<std::size_t>(count - 1 - i));
    }
    book.options.extraPayments = {{{2027, 4}, dollars("1,000")}, {{2027, 12}, dollars("-200")}};
    // $50 more a month from 2028 on.
    auto budgetOf = [&](std::int64_t whole) {
        book.budget = MoneyAmount::fromTicks(whole * 10'000);
        book.options.budgetChanges = {{{2028, 1}, MoneyAmount::fromTicks((whole + 50) * 10'000)}};
    };
    std::int64_t low = 0, high = 1'000'000; // whole dollars; high pays everything off
    while (high - low > 1) {
        const std::int64_t middle = (low + high) / 2;
        budgetOf(middle);
        const bool paysOff =
            BuildDebtPlan(book.debts, book.budget, PlanStrategy::HighestRateFirst, {2027, 1}, book.options).succeeded();
        (paysOff ? high : low) = middle;
    }
    budgetOf(high);
    return book;
}

void PlanOfFiftyDebts(benchmark::State& state)
{
    const SlowBook book = slowBook(50);
    std::int32_t months = 0;
    for (auto _ : state) {
        const DebtPlan plan =
            BuildDebtPlan(book.debts, book.budget, PlanStrategy::HighestRateFirst, {2027, 1}, book.options);
        months = plan.months;
        benchmark::DoNotOptimize(plan);
    }
    state.counters["months"] = months;
}
BENCHMARK(PlanOfFiftyDebts)->Unit(benchmark::kMillisecond);

// Five cards and ten other debts, every order side by side.
void EveryOrderOfFifteenDebts(benchmark::State& state)
{
    const SlowBook book = slowBook(15);
    std::int32_t months = 0;
    for (auto _ : state) {
        const auto orders = BuildEveryOrder(book.debts, book.budget, {2027, 1}, book.options);
        months = 0;
        for (const OrderPlan& order : orders)
            months = std::max(months, order.plan.months);
        benchmark::DoNotOptimize(orders);
    }
    state.counters["months"] = months;
}
BENCHMARK(EveryOrderOfFifteenDebts)->Unit(benchmark::kMillisecond)->UseRealTime();

// Cards of $1,000-$20,000 at 15-30 % paying 2-5 % a month; offers with 0-21
// intro months at 0-5 %, then 12-30 %; a fifth of the fees unknown.
struct Book {
    std::vector<DebtCard> cards;
    std::vector<RankOffer> offers;
};

const Book& realisticBook()
{
    static const Book book = [] {
        Book b;
        std::mt19937_64 random(32767);
        auto between = [&](std::int64_t low, std::int64_t high) {
            return std::uniform_int_distribution<std::int64_t>(low, high)(random);
        };
        for (int i = 0; i < 3; ++i) {
            DebtCard card;
            card.balance = MoneyAmount::fromTicks(between(100'000, 2'000'000) * 100);
            card.annualRate = static_cast<double>(between(1500, 3000)) / 100;
            card.actualPayment = MoneyAmount::fromTicks(card.balance.ticks() * between(200, 500) / 10'000 / 100 * 100);
            card.annualFee = MoneyAmount::fromTicks(between(0, 95) * 10'000);
            b.cards.push_back(card);
        }
        for (int i = 0; i < 32767; ++i) {
            RankOffer offer;
            offer.name = "Offer " + std::to_string(i);
            offer.plan = {static_cast<std::int32_t>(between(0, 21)), static_cast<double>(between(0, 500)) / 100,
                          static_cast<double>(between(1200, 3000)) / 100};
            if (between(0, 4) != 0)
                offer.annualFee = MoneyAmount::fromTicks(between(0, 95) * 10'000);
            if (between(0, 4) != 0)
                offer.transferFeePercent = static_cast<double>(between(0, 500)) / 100;
            b.offers.push_back(offer);
        }
        return b;
    }();
    return book;
}

void RankOneThread(benchmark::State& state)
{
    const Book& book = realisticBook();
    for (auto _ : state)
        benchmark::DoNotOptimize(RankOffers(book.cards, book.offers));
}
BENCHMARK(RankOneThread)->Unit(benchmark::kMillisecond)->UseRealTime();

void RankTwoThreads(benchmark::State& state)
{
    const Book& book = realisticBook();
    const std::size_t half = book.offers.size() / 2;
    for (auto _ : state) {
        std::optional<OfferRuns> first;
        std::thread worker([&] { first = RunOffers(book.cards, book.offers, 0, half); });
        auto second = RunOffers(book.cards, book.offers, half, book.offers.size());
        worker.join();
        std::vector<OfferRuns> parts;
        parts.push_back(std::move(*first));
        parts.push_back(std::move(*second));
        benchmark::DoNotOptimize(RankRuns(book.cards, std::move(parts)));
    }
}
BENCHMARK(RankTwoThreads)->Unit(benchmark::kMillisecond)->UseRealTime();

// A stored card no typed figure could make, against offers whose interest of
// $0.10 a month leaves a cent of each payment: every run goes on to its
// bound. How long a cancel takes to be answered.
void CancelHostileRanking(benchmark::State& state)
{
    DebtCard card;
    card.balance = dollars("100,000,000,000");
    card.actualPayment = dollars("0.11");
    const std::vector<DebtCard> cards(3, card);
    const std::vector<RankOffer> offers(100, RankOffer{"Hostile", "", RatePlan::constant(0.0000000012), {}, {}});
    for (auto _ : state) {
        std::atomic<bool> stop = false;
        RankingControl control;
        control.cancelled = [&] { return stop.load(std::memory_order_relaxed); };
        std::chrono::steady_clock::time_point answered;
        std::thread worker([&] {
            benchmark::DoNotOptimize(RankOffers(cards, offers, control));
            answered = std::chrono::steady_clock::now();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        const auto asked = std::chrono::steady_clock::now();
        stop = true;
        worker.join();
        state.SetIterationTime(std::chrono::duration<double>(answered - asked).count());
    }
}
BENCHMARK(CancelHostileRanking)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10);

} // namespace
