// The payoff run against the plain month-by-month rule.
//
// The input is text, as figures come from the card and offer files:
// balance|rate|payment|introductory months|introductory rate|bound
// Missing or unreadable fields count as 0; the introductory months and the
// bound are kept small so that the plain rule answers quickly.
#include "calculations/payoff_run.h"
#include "fuzz_check.h"
#include "money/money_text.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::string_view fields[6];
    for (std::size_t i = 0, at = 0; i < 6 && at <= size; ++i, ++at) {
        const std::size_t end = std::min(text.find('|', at), size);
        fields[i] = text.substr(at, end - at);
        at = end;
    }
    const MoneyAmount balance = money(fields[0]).value_or(MoneyAmount());
    const auto payment = money(fields[2]);
    const RatePlan plan{static_cast<std::int32_t>(std::clamp(number(fields[3]).value_or(0), 0.0, 600.0)),
                        rate(fields[4]).value_or(0), rate(fields[1]).value_or(0)};
    const auto most = static_cast<std::int64_t>(std::clamp(number(fields[5]).value_or(0), 1.0, 20000.0));

    const PayoffRunResult run = PayoffRun(balance, plan, payment, most);
    // Remembered or not, the same answer as the plain rule.
    FUZZ_CHECK(run == PayoffRunPlain(balance, plan, payment, most) && run == PayoffRun(balance, plan, payment, most) &&
               run.stoppedEarly == (run.end != RunEnd::PaidOff));

    // What a paid-off run pays is the balance and its interest, the last
    // payment covering less than a whole one (a negative rate can pay more).
    const bool interestHeld =
        run.interest == MoneyAmount::fromTicks(INT64_MAX) || run.interest == MoneyAmount::fromTicks(INT64_MIN);
    const bool chargesInterest = plan.introRate >= 0 && plan.regularRate >= 0;
    if (run.end == RunEnd::PaidOff && balance.isPositive() && !interestHeld && chargesInterest) {
        const auto paid = payment->times(run.months);
        const auto owed = balance.plus(run.interest);
        FUZZ_CHECK(!paid || !owed || (*owed <= *paid && paid->minus(*payment) < *owed));
    }
    return 0;
}
