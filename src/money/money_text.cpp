#include "money/money_text.h"

#include "money/decimal_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace plenwick {

using detail::DecimalText;

namespace {

constexpr int kTickDecimals = 4;

// Magnitude in ticks, rounded half to even; no value past the 64-bit range.
std::optional<std::int64_t> ticksFromDecimal(const DecimalText& decimal)
{
    std::string fraction = decimal.fractionDigits;
    fraction.resize(std::max<std::size_t>(fraction.size(), kTickDecimals), '0');

    unsigned __int128 magnitude = 0;
    const unsigned __int128 limit = static_cast<unsigned __int128>(std::numeric_limits<std::int64_t>::max()) + 1;
    for (char c : decimal.integerDigits + fraction.substr(0, kTickDecimals)) {
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
        if (magnitude > limit)
            return std::nullopt;
    }

    const std::string_view rest = std::string_view(fraction).substr(kTickDecimals);
    if (!rest.empty()) {
        const bool aboveHalf =
            rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
        const bool exactlyHalf = rest[0] == '5' && !aboveHalf;
        if (aboveHalf || (exactlyHalf && magnitude % 2 == 1))
            ++magnitude;
    }

    if (decimal.negative) {
        if (magnitude > limit)
            return std::nullopt;
        return static_cast<std::int64_t>(-static_cast<__int128>(magnitude));
    }
    if (magnitude >= limit)
        return std::nullopt;
    return static_cast<std::int64_t>(magnitude);
}

DecimalText decimalFromMoney(MoneyAmount value)
{
    const std::int64_t ticks = value.ticks();
    const unsigned __int128 magnitude = ticks < 0 ? -static_cast<__int128>(ticks) : static_cast<__int128>(ticks);
    std::string digits = std::to_string(static_cast<std::uint64_t>(magnitude));
    if (digits.size() <= kTickDecimals)
        digits.insert(0, kTickDecimals + 1 - digits.size(), '0');

    DecimalText result;
    result.negative = ticks < 0;
    result.integerDigits = digits.substr(0, digits.size() - kTickDecimals);
    result.fractionDigits = digits.substr(digits.size() - kTickDecimals);
    if (result.integerDigits == "0")
        result.integerDigits.clear();
    return result;
}

// Adds one to a string of decimal digits; the string may grow by a digit.
void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

std::string withThousandsSeparators(const std::string& digits)
{
    std::string result;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            result += ',';
        result += digits[i];
    }
    return result;
}

std::string formatDecimal(const DecimalText& decimal, Pattern pattern)
{
    // Work on integer and two decimals as one string of digits.
    std::string fraction = decimal.fractionDigits;
    fraction.resize(std::max<std::size_t>(fraction.size(), 3), '0');
    std::string digits = decimal.integerDigits + fraction.substr(0, 2);
    if (fraction[2] >= '5')
        incrementDigits(digits);
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');

    std::string integerPart = digits.substr(0, digits.size() - 2);
    integerPart.erase(0, std::min(integerPart.find_first_not_of('0'), integerPart.size() - 1));
    const std::string decimals = digits.substr(digits.size() - 2);
    const bool isZero = digits.find_first_not_of('0') == std::string::npos;

    std::string result = (decimal.negative && !isZero) ? "-" : "";
    result += pattern == Pattern::Money ? '$' + withThousandsSeparators(integerPart) : integerPart;
    return result + '.' + decimals;
}

} // namespace

std::optional<double> number(std::string_view text)
{
    const auto decimal = detail::parseDecimal(text);
    if (!decimal)
        return std::nullopt;
    std::string plain =
        (decimal->negative ? "-" : "") + (decimal->integerDigits.empty() ? "0" : decimal->integerDigits);
    if (!decimal->fractionDigits.empty())
        plain += '.' + decimal->fractionDigits;

    double value = 0;
    const auto parsed = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (parsed.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<MoneyAmount> money(std::string_view text)
{
    const auto decimal = detail::parseDecimal(detail::withoutDollarSigns(text));
    if (!decimal)
        return std::nullopt;
    const auto ticks = ticksFromDecimal(*decimal);
    if (!ticks)
        return std::nullopt;
    return MoneyAmount::fromTicks(*ticks);
}

std::string FormatByPattern(std::string_view text, Pattern pattern)
{
    const auto decimal = detail::parseDecimal(detail::withoutDollarSigns(text));
    if (!decimal)
        return std::string(text);
    return formatDecimal(*decimal, pattern);
}

std::string FormatByPattern(double value, Pattern pattern)
{
    if (!std::isfinite(value))
        return std::to_string(value);
    return formatDecimal(detail::decimalFromDouble(value), pattern);
}

std::string FormatByPattern(MoneyAmount value, Pattern pattern)
{
    return formatDecimal(decimalFromMoney(value), pattern);
}

} // namespace plenwick
