#include "plan/payoff_cost.h"

#include "calculations/payoff_run.h"

namespace plenwick {

std::optional<PayoffCost> CostOfPayingOff(std::string_view balance, std::string_view rate, std::string_view payment)
{
    const PayoffRunResult run =
        PayoffRun(money(balance).value_or(MoneyAmount()), RatePlan::constant(number(rate).value_or(0)), money(payment));
    if (run.stoppedEarly)
        return std::nullopt;
    return PayoffCost{run.months, run.interest};
}

} // namespace plenwick
