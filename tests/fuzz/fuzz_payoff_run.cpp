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
#include <string>
#include <string_view>
#include <vector>

using namespace plenwick;

namespace {

std::vector<std::string_view> fieldsOf(std::string_view text)
{
    std::vector<std::string_view> fields;
    for (std::size_t at = 0; fields.size() < 6; ++at) {
        const std::size_t end = std::min(text.find('|', at), text.size());
        fields.push_back(text.substr(std::min(at, text.size()), end - std::min(at, text.size())));
        at = end;
    }
    return fields;
}

double clamped(std::optional<double> value, double low, double high)
{
    return std::clamp(value.value_or(0), low, high);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto fields = fieldsOf(std::string_view(reinterpret_cast<const char*>(data), size));
    const MoneyAmount balance = money(fields[0]).value_or(MoneyAmount());
    const auto payment = money(fields[2]);
    const RatePlan plan{static_cast<std::int32_t>(clamped(number(fields[3]), 0, 600)), rate(fields[4]).value_or(0),
                        rate(fields[1]).value_or(0)};
    const auto most = static_cast<std::int64_t>(clamped(number(fields[5]), 1, 20000));

    const PayoffRunResult run = PayoffRun(balance, plan, payment, most);
    FUZZ_CHECK(run == PayoffRunPlain(balance, plan, payment, most));
    FUZZ_CHECK(run == PayoffRun(balance, plan, payment, most)); // remembered or not
    FUZZ_CHECK(run.stoppedEarly == (run.end != RunEnd::PaidOff));

    // What a paid-off run pays is the balance and its interest, the last
    // payment covering less than a whole one (a negative rate can pay more).
    const bool interestHeld =
        run.interest == MoneyAmount::fromTicks(INT64_MAX) || run.interest == MoneyAmount::fromTicks(INT64_MIN);
    const bool chargesInterest = plan.introRate >= 0 && plan.regularRate >= 0;
    if (run.end == RunEnd::PaidOff && balance.isPositive() && !interestHeld && chargesInterest) {
        const auto paid = payment->times(run.months);
        const auto owed = balance.plus(run.interest);
        if (paid && owed) {
            FUZZ_CHECK(*owed <= *paid);
            FUZZ_CHECK(paid->minus(*payment) < *owed);
        }
    }
    return 0;
}
