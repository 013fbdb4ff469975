#pragma once

#include "money/money_amount.h"

#include <optional>
#include <string>
#include <string_view>

namespace plenwick {

// Money is shown as "$#,##0.00", rates as "0.00".
enum class Pattern { Money, Rate };

// Number rules are US English whatever the system locale: "." decimal point,
// "," thousands separator between digits, an optional leading sign and
// blanks around. "1." and ".5" are numbers; exponents are not. A value too
// small for a double reads as zero.
std::optional<double> number(std::string_view text);

// A rate in percent: a number, optionally followed by "%" (a blank may stand
// before it), as people write rates from their statements.
std::optional<double> rate(std::string_view text);

// Every "$" is removed first, then the rest is read as a number; extra
// decimals round to the nearest ten-thousandth, ties to even.
std::optional<MoneyAmount> money(std::string_view text);

// Rounds to the nearest whole number, ties to even, without leaving the
// default rounding mode. Adding and taking away 2^52 pushes the fraction out
// of the mantissa; the payoff loop runs this every month, so it stays inline.
inline double roundHalfEven(double x)
{
    constexpr double kTwoTo52 = 4503599627370496.0;
    if (!(x > -kTwoTo52 && x < kTwoTo52))
        return x; // already whole, or not a number
    return x >= 0 ? (x + kTwoTo52) - kTwoTo52 : (x - kTwoTo52) + kTwoTo52;
}

// x ten-thousandths, ties to even; no value when outside the money range.
inline std::optional<MoneyAmount> toMoney(double x)
{
    // 2^63 is exact as a double; everything below it fits.
    constexpr double kLimit = 9223372036854775808.0;
    const double ticks = roundHalfEven(x * MoneyAmount::kTicksPerUnit);
    if (!(ticks >= -kLimit && ticks < kLimit))
        return std::nullopt;
    return MoneyAmount::fromTicks(static_cast<std::int64_t>(ticks));
}

// Rounds once, to two decimals, halves away from zero. A text that cannot be
// read as a number (for the rate pattern: as a rate) comes back unchanged.
std::string FormatByPattern(std::string_view text, Pattern pattern);
std::string FormatByPattern(double value, Pattern pattern);
std::string FormatByPattern(MoneyAmount value, Pattern pattern);

} // namespace plenwick
