#include "calculations/payoff.h"

#include "calculations/payoff_run.h"
#include "money/money_text.h"

namespace plenwick {

// A text that cannot be read counts as 0 throughout, as an unset value does.

PayoffAnswer PayoffMonths(std::string_view balance, std::string_view rateText, std::string_view payment)
{
    if (payment.empty())
        return {std::nullopt, std::string(kEnterPaymentAmount)};

    const auto run = PayoffRun(money(balance).value_or(MoneyAmount()), RatePlan::constant(rate(rateText).value_or(0)),
                               money(payment));
    switch (run.end) {
    case RunEnd::NotCovered: return {"Infinite months", std::string(kPaymentsNotEnough), MessageIcon::Information};
    case RunEnd::TooLong: return {"More than " + std::to_string(kMostInterestMonths) + " months"};
    case RunEnd::PaidOff: break;
    }
    return {std::to_string(run.months) + " months", std::nullopt, MessageIcon::None, run.months, run.interest};
}

PayoffAnswer PayoffPayment(std::string_view balance, std::string_view rateText, std::string_view months)
{
    const auto monthCount = number(months);
    if (!monthCount || *monthCount <= 0)
        return {std::nullopt, std::string(kEnterRepaymentPeriod)};

    const double annualRate = rate(rateText).value_or(0);
    const MoneyAmount opening = money(balance).value_or(MoneyAmount());
    const double payment = LevelPayment(opening.toDouble(), annualRate / 12 / 100, *monthCount).value_or(0);
    const std::string shown = FormatByPattern(payment, Pattern::Money);

    PayoffAnswer answer{shown + " monthly"};
    const auto run = PayoffRun(opening, RatePlan::constant(annualRate), money(shown));
    if (run.end == RunEnd::PaidOff)
        answer.interest = run.interest;
    return answer;
}

std::optional<MoneyAmount> BalanceWithInterest(std::string_view balance, std::string_view rateText,
                                               std::string_view payment, int months)
{
    auto owed = money(balance);
    const auto annualRate = rate(rateText);
    const auto paid = money(payment);
    if (!owed || !annualRate || !paid)
        return std::nullopt;
    for (int month = 1; month <= months && owed->isPositive(); ++month) {
        const auto interest = monthInterest(*owed, *annualRate / 12);
        const auto charged = interest ? owed->plus(*interest) : std::nullopt;
        owed = charged ? charged->minus(*paid) : std::nullopt;
        if (!owed)
            return std::nullopt;
    }
    return std::max(*owed, MoneyAmount());
}

} // namespace plenwick
