#include "plan/offer_ranking.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <limits>
#include <thread>
#include <tuple>

namespace plenwick {

namespace {

// Whole ten-thousandths, exactly: ticks x (percent in millionths) / 10^8.
std::optional<MoneyAmount> transferFee(MoneyAmount balance, double percent)
{
    if (!(percent > 0))
        return MoneyAmount();
    const double millionths = std::round(percent * 1e6);
    if (!(millionths < 9.2e18))
        return std::nullopt;
    constexpr __int128 kDivisor = 100'000'000;
    const __int128 product = static_cast<__int128>(balance.ticks()) * static_cast<std::int64_t>(millionths);
    __int128 fee = product / kDivisor;
    const __int128 rest = product % kDivisor;
    if (rest * 2 > kDivisor || (rest * 2 == kDivisor && fee % 2 != 0))
        ++fee;
    if (fee > std::numeric_limits<std::int64_t>::max())
        return std::nullopt;
    return MoneyAmount::fromTicks(static_cast<std::int64_t>(fee));
}

std::optional<MoneyAmount> costOf(const PayoffRunResult& run, MoneyAmount transferFee, MoneyAmount annualFee)
{
    if (run.stoppedEarly)
        return std::nullopt;
    const auto yearly = annualFee.times((run.months + 11) / 12);
    const auto withInterest = transferFee.plus(run.interest);
    return yearly && withInterest ? withInterest->plus(*yearly) : std::nullopt;
}

OfferOutcome moveTo(const DebtCard& card, const RankOffer& offer, std::size_t index)
{
    OfferOutcome outcome;
    outcome.offer = index;
    outcome.run = {kNeverPaidOffMonths, true, RunEnd::NotCovered, {}};
    const auto fee = transferFee(card.balance, offer.transferFeePercent.value_or(0));
    const auto moved = fee ? card.balance.plus(*fee) : std::nullopt;
    outcome.unusable = offer.fault || !moved;
    if (outcome.unusable)
        return outcome;
    outcome.transferFee = *fee;
    outcome.run = PayoffRun(*moved, offer.plan, card.actualPayment);
    outcome.cost = costOf(outcome.run, *fee, offer.annualFee.value_or(MoneyAmount()));
    outcome.unusable = !outcome.cost && !outcome.run.stoppedEarly;
    return outcome;
}

bool cancelled(const RankingControl& control) { return control.cancelled && control.cancelled(); }

} // namespace

std::optional<OfferRuns> RunOffers(const std::vector<DebtCard>& cards, const std::vector<RankOffer>& offers,
                                   std::size_t first, std::size_t last, const RankingControl& control)
{
    last = std::min(last, offers.size());
    first = std::min(first, last);
    OfferRuns runs;
    runs.first = first;
    runs.cards.resize(cards.size());
    for (std::size_t c = 0; c < cards.size(); ++c) {
        if (cards[c].balance.isPositive())
            runs.cards[c].reserve(last - first);
    }
    for (std::size_t o = first; o < last; ++o) {
        for (std::size_t c = 0; c < cards.size(); ++c) {
            if (!cards[c].balance.isPositive())
                continue;
            if (cancelled(control))
                return std::nullopt;
            runs.cards[c].push_back(moveTo(cards[c], offers[o], o));
        }
        if (control.progress)
            control.progress(o - first + 1, last - first);
    }
    return runs;
}

std::optional<std::vector<CardRanking>> RankRuns(const std::vector<DebtCard>& cards, std::vector<OfferRuns> parts,
                                                 const RankingControl& control)
{
    std::sort(parts.begin(), parts.end(), [](const OfferRuns& a, const OfferRuns& b) { return a.first < b.first; });
    std::vector<CardRanking> rankings;
    for (std::size_t c = 0; c < cards.size(); ++c) {
        const DebtCard& card = cards[c];
        if (!card.balance.isPositive())
            continue;
        if (cancelled(control))
            return std::nullopt;
        CardRanking ranking;
        ranking.card = c;
        ranking.asItIs.run = PayoffRun(card.balance, RatePlan::constant(card.annualRate), card.actualPayment);
        ranking.asItIs.cost = costOf(ranking.asItIs.run, MoneyAmount(), card.annualFee);
        for (OfferRuns& part : parts) {
            if (c < part.cards.size())
                std::move(part.cards[c].begin(), part.cards[c].end(), std::back_inserter(ranking.offers));
        }
        for (OfferOutcome& outcome : ranking.offers) {
            if (outcome.cost && ranking.asItIs.cost)
                outcome.netSaving = ranking.asItIs.cost->minus(*outcome.cost);
        }
        // A lower cost is a higher saving whenever there is one.
        std::stable_sort(ranking.offers.begin(), ranking.offers.end(),
                         [](const OfferOutcome& a, const OfferOutcome& b) {
                             return std::tuple(a.unusable, !a.cost) < std::tuple(b.unusable, !b.cost) ||
                                    (a.cost && b.cost && *a.cost < *b.cost);
                         });
        rankings.push_back(std::move(ranking));
    }
    return rankings;
}

std::optional<std::vector<CardRanking>> RankOffers(const std::vector<DebtCard>& cards,
                                                   const std::vector<RankOffer>& offers, const RankingControl& control)
{
    auto runs = RunOffers(cards, offers, 0, offers.size(), control);
    if (!runs)
        return std::nullopt;
    std::vector<OfferRuns> parts;
    parts.push_back(std::move(*runs));
    return RankRuns(cards, std::move(parts), control);
}

std::optional<std::vector<CardRanking>> RankOffersOnThreads(const std::vector<DebtCard>& cards,
                                                            const std::vector<RankOffer>& offers, std::size_t threads,
                                                            const RankingControl& control)
{
    const std::size_t total = offers.size();
    threads = std::clamp<std::size_t>(threads, 1, std::max<std::size_t>(total, 1));
    std::vector<std::atomic<std::size_t>> done(threads);
    std::vector<std::optional<OfferRuns>> runs(threads);
    const auto runPart = [&](std::size_t part) {
        RankingControl own{control.cancelled, {}};
        if (control.progress) {
            own.progress = [&, part](std::size_t offersDone, std::size_t) {
                done[part].store(offersDone, std::memory_order_relaxed);
                std::size_t sum = 0;
                for (const auto& count : done)
                    sum += count.load(std::memory_order_relaxed);
                control.progress(sum, total);
            };
        }
        runs[part] = RunOffers(cards, offers, total * part / threads, total * (part + 1) / threads, own);
    };
    {
        std::vector<std::jthread> others;
        for (std::size_t part = 1; part < threads; ++part)
            others.emplace_back(runPart, part);
        runPart(0);
    }
    std::vector<OfferRuns> parts;
    for (std::optional<OfferRuns>& part : runs) {
        if (!part)
            return std::nullopt;
        parts.push_back(std::move(*part));
    }
    // The parts told their counts as they went, each seeing the other's as
    // it happened to; the whole is told once all are done.
    if (control.progress)
        control.progress(total, total);
    return RankRuns(cards, std::move(parts), control);
}

} // namespace plenwick
