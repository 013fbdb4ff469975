// Reading money text, and FormatByPattern.
#include "fuzz_check.h"
#include "money/money_text.h"

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto amount = money(text);
    for (const Pattern pattern : {Pattern::Money, Pattern::Rate}) {
        const std::string once = FormatByPattern(text, pattern);
        // Leaving a field twice changes nothing more than leaving it once.
        FUZZ_CHECK(FormatByPattern(once, pattern) == once);
        // A text that reads as money comes back as the same amount, to the cent.
        const auto shown = money(once);
        if (amount && amount->magnitude() < INT64_MAX - 50)
            FUZZ_CHECK(shown && std::llabs(shown->ticks() - amount->ticks()) <= 50);
    }
    return 0;
}
