// The payoff run against the plain month-by-month rule.
//
// The input is text, as figures come from the card and offer files:
// balance|rate|payment|introductory months|introductory rate
// Missing or unreadable fields count as 0; the introductory months and the
// bound (20,000 months with interest) are kept small so that the plain rule
// answers quickly.
#include "calculations/payoff_run.h"
#include "fuzz_check.h"
#include "money/money_text.h"

#include <algorithm>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view fields[5], rest(reinterpret_cast<const char*>(data), size);
    for (std::string_view& field : fields) {
        field = rest.substr(0, rest.find('|'));
        rest.remove_prefix(std::min(rest.size(), field.size() + 1));
    }
    const MoneyAmount balance = money(fields[0]).value_or(MoneyAmount());
    const auto payment = money(fields[2]);
    const RatePlan plan{static_cast<std::int32_t>(std::clamp(number(fields[3]).value_or(0), 0.0, 600.0)),
                        rate(fields[4]).value_or(0), rate(fields[1]).value_or(0)};

    // Remembered or not, the same answer as the plain rule.
    const PayoffRunResult run = PayoffRun(balance, plan, payment, 20000);
    FUZZ_CHECK(run == PayoffRunPlain(balance, plan, payment, 20000) && run == PayoffRun(balance, plan, payment, 20000));
    return 0;
}
