#include "calculations/minimum_payment.h"

#include "calculations/payoff_run.h"

#include <algorithm>

namespace plenwick {

namespace {

constexpr std::int64_t kTicksPerCent = MoneyAmount::kTicksPerUnit / 100;

// A positive amount to the nearest whole step, halves up; held at the top of the range.
MoneyAmount nearest(MoneyAmount amount, std::int64_t step)
{
    const MoneyAmount down = MoneyAmount::fromTicks(amount.ticks() / step * step);
    return amount.ticks() % step * 2 >= step ? down.plus(MoneyAmount::fromTicks(step)).value_or(down) : down;
}

} // namespace

MoneyAmount MinimumDue(const MinimumRule& rule, MoneyAmount typed, MoneyAmount opening, MoneyAmount interest)
{
    const MoneyAmount owed = std::max(*opening.plus(interest), MoneyAmount());
    MoneyAmount due = typed;
    if (rule.kind != MinimumRule::Kind::AsTyped) {
        due = toMoney(opening.toDouble() * rule.percent / 100).value_or(owed);
        if (rule.kind == MinimumRule::Kind::PercentPlusInterest)
            due = due.plus(interest).value_or(owed);
        due = std::max(nearest(due, kTicksPerCent), rule.floor);
    }
    return std::clamp(due, MoneyAmount(), owed);
}

MinimumPaymentWarning OnlyMinimumPayments(MoneyAmount balance, double annualRate, const MinimumRule& rule,
                                          MoneyAmount typedMinimum)
{
    MinimumPaymentWarning warning;
    while (balance.isPositive()) {
        const auto interest = monthInterest(balance, annualRate / 12);
        const auto owed = interest ? balance.plus(*interest) : std::nullopt;
        if (!owed || warning.months >= kMostInterestMonths)
            return warning;
        const MoneyAmount payment = MinimumDue(rule, typedMinimum, balance, *interest);
        if (payment <= *interest) // the balance is positive: such a payment is less than owed
            return warning;
        balance = *owed->minus(payment);
        warning.interest = warning.interest.plusTimesHeld(*interest, 1);
        warning.totalPaid = warning.totalPaid.plusTimesHeld(payment, 1);
        ++warning.months;
    }
    warning.paidOff = true;
    if (warning.months >= 24)
        warning.years = (warning.months + 6) / 12;
    warning.totalShown = nearest(warning.totalPaid, MoneyAmount::kTicksPerUnit);
    return warning;
}

} // namespace plenwick
