// Reading number and money text, and FormatByPattern.
#include "fuzz_check.h"
#include "money/money_text.h"

#include <cmath>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto value = number(text);
    const auto amount = money(text);

    // A rate is a number, with or without a percent sign after it.
    FUZZ_CHECK(rate(text + " %") == value);

    for (const Pattern pattern : {Pattern::Money, Pattern::Rate}) {
        const std::string once = FormatByPattern(text, pattern);
        // Leaving a field twice changes nothing more than leaving it once.
        FUZZ_CHECK(FormatByPattern(once, pattern) == once);
        // A text that reads as money comes back as the same amount, to the cent.
        const auto shown = money(once);
        if (amount && amount->magnitude() < INT64_MAX - 50)
            FUZZ_CHECK(shown && std::llabs(shown->ticks() - amount->ticks()) <= 50);
    }
    if (!amount)
        return 0;

    // Without "$" signs, number and money read the same text alike.
    if (text.find('$') == std::string::npos)
        FUZZ_CHECK(value && std::fabs(*value - amount->toDouble()) <= 0.0001 + std::fabs(*value) * 1e-14);
    // An exact amount is shown as its own decimal text is: plain digits with four decimals.
    const std::uint64_t ticks = amount->magnitude();
    const std::string digits = std::to_string(ticks / 10000) + '.' + std::to_string(ticks % 10000 + 10000).substr(1);
    FUZZ_CHECK(FormatByPattern(*amount, Pattern::Money) ==
               FormatByPattern((*amount < MoneyAmount() ? "-" : "") + digits, Pattern::Money));
    const auto doubled = amount->plus(*amount);
    FUZZ_CHECK(!doubled || doubled->minus(*amount) == *amount);
    return 0;
}
