#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plenwick::detail {

// A number read from text, kept as its decimal digits so that nothing is
// lost before the one rounding that formatting does.
struct DecimalText {
    bool negative = false;
    std::string integerDigits;  // no leading zeros; empty means zero
    std::string fractionDigits; // as written, trailing zeros included
};

// Reads "[blanks][+|-]digits[,digits...][.[digits]][blanks]" in US English
// number rules, or the same with only digits after the point. Commas are
// accepted only between digits of the integer part.
std::optional<DecimalText> parseDecimal(std::string_view text);

std::string withoutDollarSigns(std::string_view text);

// The number written with 15 significant digits, the precision at which a
// double is shown.
DecimalText decimalFromDouble(double value);

} // namespace plenwick::detail
