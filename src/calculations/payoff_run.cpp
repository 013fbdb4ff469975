#include "calculations/payoff_run.h"

#include <cmath>
#include <limits>

namespace plenwick {

namespace {

enum class SegmentEnd { PaidOff, RateChanges, NotPayable, TooLong };

struct RunState {
    MoneyAmount balance;
    std::int64_t months = 0;
    std::int64_t interestMonths = 0;
    MoneyAmount interest;
};

// The balance plus interest less the payment, in an order whose intermediate
// result stays in range whenever the answer does.
std::optional<MoneyAmount> afterPayment(MoneyAmount balance, MoneyAmount interest, MoneyAmount payment)
{
    if (const auto paidDown = payment.minus(interest))
        return balance.minus(*paidDown);
    const auto withInterest = balance.plus(interest);
    return withInterest ? withInterest->minus(payment) : std::nullopt;
}

// Runs the months up to and including lastMonth at one monthly rate (percent).
SegmentEnd runAtRate(RunState& run, double monthlyRate, MoneyAmount payment, std::int64_t lastMonth)
{
    while (run.balance.isPositive()) {
        if (run.months >= lastMonth)
            return SegmentEnd::RateChanges;
        const auto interest = monthInterest(run.balance, monthlyRate);
        if (!interest || *interest >= payment)
            return SegmentEnd::NotPayable;

        if (*interest == MoneyAmount()) {
            // Interest only shrinks with the balance, so from here on every
            // month is a plain payment: skip to the end of the segment.
            const std::int64_t balance = run.balance.ticks();
            const std::int64_t step = payment.ticks();
            const std::int64_t monthsToClear = balance / step + (balance % step != 0 ? 1 : 0);
            const std::int64_t monthsLeft = lastMonth - run.months;
            if (monthsToClear <= monthsLeft) {
                run.months += monthsToClear;
                run.balance = MoneyAmount();
                return SegmentEnd::PaidOff;
            }
            run.months = lastMonth;
            run.balance = MoneyAmount::fromTicks(balance - monthsLeft * step);
            return SegmentEnd::RateChanges;
        }

        const auto next = afterPayment(run.balance, *interest, payment);
        const auto charged = run.interest.plus(*interest);
        if (!next || !charged)
            return SegmentEnd::NotPayable;
        run.balance = *next;
        run.interest = *charged;
        ++run.months;
        if (++run.interestMonths >= kMostInterestMonths && run.balance.isPositive())
            return SegmentEnd::TooLong;
    }
    return SegmentEnd::PaidOff;
}

} // namespace

PayoffRunResult PayoffRun(MoneyAmount openingBalance, const RatePlan& plan, std::optional<MoneyAmount> payment)
{
    if (!openingBalance.isPositive())
        return {};
    if (!payment)
        return {kNeverPaidOffMonths, true, RunEnd::NotCovered, {}};

    RunState run;
    run.balance = openingBalance;
    auto end = SegmentEnd::RateChanges;
    if (plan.introMonths > 0)
        end = runAtRate(run, plan.introRate / 12, *payment, plan.introMonths);
    if (end == SegmentEnd::RateChanges)
        end = runAtRate(run, plan.regularRate / 12, *payment, std::numeric_limits<std::int64_t>::max());

    switch (end) {
    case SegmentEnd::NotPayable: return {kNeverPaidOffMonths, true, RunEnd::NotCovered, run.interest};
    case SegmentEnd::TooLong: return {kNeverPaidOffMonths, true, RunEnd::TooLong, run.interest};
    default: return {run.months, false, RunEnd::PaidOff, run.interest};
    }
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
