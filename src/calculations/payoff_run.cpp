#include "calculations/payoff_run.h"

#include "money/money_text.h"

#include <cmath>
#include <limits>

namespace plenwick {

namespace {

enum class SegmentEnd { PaidOff, RateChanges, NotPayable };

// Runs the months up to and including lastMonth at one monthly rate (percent).
SegmentEnd runAtRate(std::int64_t& balance, std::int64_t& months, double monthlyRate, std::int64_t payment,
                     std::int64_t lastMonth)
{
    while (balance > 0) {
        if (months >= lastMonth)
            return SegmentEnd::RateChanges;
        const auto interest = toMoney(MoneyAmount::fromTicks(balance).toDouble() * monthlyRate / 100);
        if (!interest || interest->ticks() >= payment)
            return SegmentEnd::NotPayable;

        if (interest->ticks() == 0) {
            // Interest only shrinks with the balance, so from here on every
            // month is a plain payment: skip to the end of the segment.
            const std::int64_t monthsToClear = balance / payment + (balance % payment != 0 ? 1 : 0);
            const std::int64_t monthsLeft = lastMonth - months;
            if (monthsToClear <= monthsLeft) {
                months += monthsToClear;
                return SegmentEnd::PaidOff;
            }
            months = lastMonth;
            balance -= monthsLeft * payment;
            return SegmentEnd::RateChanges;
        }

        const __int128 next = static_cast<__int128>(balance) + interest->ticks() - payment;
        if (next > std::numeric_limits<std::int64_t>::max() || next < std::numeric_limits<std::int64_t>::min())
            return SegmentEnd::NotPayable;
        balance = static_cast<std::int64_t>(next);
        ++months;
    }
    return SegmentEnd::PaidOff;
}

} // namespace

PayoffRunResult PayoffRun(MoneyAmount openingBalance, const RatePlan& plan, std::optional<MoneyAmount> payment)
{
    constexpr PayoffRunResult notPayable{kNeverPaidOffMonths, true};
    std::int64_t balance = openingBalance.ticks();
    std::int64_t months = 0;
    if (balance <= 0)
        return {};
    if (!payment)
        return notPayable;

    if (plan.introMonths > 0) {
        const auto end = runAtRate(balance, months, plan.introRate / 12, payment->ticks(), plan.introMonths);
        if (end == SegmentEnd::NotPayable)
            return notPayable;
        if (end == SegmentEnd::PaidOff)
            return {months, false};
    }
    const auto end =
        runAtRate(balance, months, plan.regularRate / 12, payment->ticks(), std::numeric_limits<std::int64_t>::max());
    if (end == SegmentEnd::NotPayable)
        return notPayable;
    return {months, false};
}

std::optional<double> LevelPayment(double balance, double r, double months)
{
    if (r == 0) {
        if (months == 0)
            return std::nullopt;
        return balance / months;
    }
    const double factor = std::pow(r + 1, months);
    const double rTimesFactor = r * factor;
    if (!std::isfinite(rTimesFactor) || rTimesFactor == 0)
        return std::nullopt;
    const double denominator = 1 / r - 1 / rTimesFactor;
    if (denominator == 0)
        return std::nullopt;
    const double payment = balance / denominator;
    if (!std::isfinite(payment))
        return std::nullopt;
    return payment;
}

} // namespace plenwick
