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

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view fields[6], rest(reinterpret_cast<const char*>(data), size);
    for (std::string_view& field : fields) {
        field = rest.substr(0, rest.find('|'));
        rest.remove_prefix(std::min(rest.size(), field.size() + 1));
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
    // payment covering less than a whole one.
    // Left out: runs at a negative rate, and those whose interest is held at an end of the range.
    if (run.end == RunEnd::PaidOff && balance.isPositive() && run.interest.magnitude() < std::uint64_t{INT64_MAX} &&
        plan.introRate >= 0 && plan.regularRate >= 0) {
        const auto paid = payment->times(run.months);
        const auto owed = balance.plus(run.interest);
        FUZZ_CHECK(!paid || !owed || (*owed <= *paid && paid->minus(*payment) < *owed));
    }
    return 0;
}
