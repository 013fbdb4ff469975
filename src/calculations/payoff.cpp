#include "calculations/payoff.h"

#include "calculations/payoff_run.h"
#include "money/money_text.h"

namespace plenwick {

// A text that cannot be read counts as 0 throughout, as an unset value does.

PayoffAnswer PayoffMonths(std::string_view balance, std::string_view rate, std::string_view payment)
{
    if (payment.empty())
        return {std::nullopt, std::string(kEnterPaymentAmount), MessageIcon::None};

    const auto run =
        PayoffRun(money(balance).value_or(MoneyAmount()), RatePlan::constant(number(rate).value_or(0)), money(payment));
    if (run.stoppedEarly)
        return {"Infinite months", std::string(kPaymentsNotEnough), MessageIcon::Information};
    return {std::to_string(run.months) + " months", std::nullopt, MessageIcon::None};
}

PayoffAnswer PayoffPayment(std::string_view balance, std::string_view rate, std::string_view months)
{
    const auto monthCount = number(months);
    if (!monthCount || *monthCount <= 0)
        return {std::nullopt, std::string(kEnterRepaymentPeriod), MessageIcon::None};

    const double r = number(rate).value_or(0) / 12 / 100;
    const double payment = LevelPayment(money(balance).value_or(MoneyAmount()).toDouble(), r, *monthCount).value_or(0);
    return {FormatByPattern(payment, Pattern::Money) + " monthly", std::nullopt, MessageIcon::None};
}

} // namespace plenwick
