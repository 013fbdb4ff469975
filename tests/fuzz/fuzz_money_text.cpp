// Reading money and rate text, and showing it in either pattern: whatever the
// text, nothing the sanitizers object to. What is shown is the money test's.
#include "money/money_text.h"

#include <cstdint>

using namespace plenwick;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    money(text);
    rate(text);
    FormatByPattern(text, Pattern::Money);
    FormatByPattern(text, Pattern::Rate);
    return 0;
}
