#include "money/money_text.h"

#include "money/decimal_text.h"

#include <charconv>
#include <cmath>

namespace plenwick {

using detail::DecimalText;

namespace {

constexpr std::size_t kTickDecimals = 4;

// The decimal to the nearest tick, ties to even; no value past the range.
std::optional<MoneyAmount> amountFromDecimal(const DecimalText& decimal)
{
    // At least one digit past the ticks, to round by.
    std::string fraction = decimal.fractionDigits;
    fraction.resize(std::max<std::size_t>(fraction.size(), kTickDecimals + 1), '0');
    const std::string digits = decimal.integerDigits + fraction.substr(0, kTickDecimals);

    // Built on its own side of zero, so that the lowest amount is reached too.
    const MoneyAmount tick = MoneyAmount::fromTicks(decimal.negative ? -1 : 1);
    std::optional<MoneyAmount> amount = MoneyAmount();
    for (const char c : digits) {
        const auto shifted = amount ? amount->times(10) : std::nullopt;
        amount = shifted ? shifted->plus(*tick.times(c - '0')) : std::nullopt;
    }

    const std::string_view rest = std::string_view(fraction).substr(kTickDecimals);
    const bool aboveHalf =
        rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
    const bool exactlyHalf = rest[0] == '5' && !aboveHalf;
    const bool odd = (digits.back() - '0') % 2 == 1;
    return amount && (aboveHalf || (exactlyHalf && odd)) ? amount->plus(tick) : amount;
}

DecimalText decimalFromMoney(MoneyAmount value)
{
    std::string digits = std::to_string(value.magnitude());
    digits.insert(0, kTickDecimals - std::min(digits.size(), kTickDecimals), '0');

    DecimalText result;
    result.negative = value < MoneyAmount();
    result.integerDigits = digits.substr(0, digits.size() - kTickDecimals); // empty below a dollar
    result.fractionDigits = digits.substr(digits.size() - kTickDecimals);
    return result;
}

// A rate may end in "%", with or without a blank before it.
std::string_view withoutPercentSign(std::string_view text)
{
    const auto last = text.find_last_not_of(" \t");
    return last != std::string_view::npos && text[last] == '%' ? text.substr(0, last) : text;
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
    digits.insert(0, 3 - std::min<std::size_t>(digits.size(), 3), '0');

    // The integer digits come without leading zeros, and at least one is there.
    const std::string integerPart = digits.substr(0, digits.size() - 2);
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
    if (parsed.ec == std::errc::result_out_of_range && decimal->integerDigits.empty())
        return decimal->negative ? -0.0 : 0.0; // below the smallest double: money reads it as 0 too
    if (parsed.ec != std::errc() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<double> rate(std::string_view text) { return number(withoutPercentSign(text)); }

std::optional<MoneyAmount> money(std::string_view text)
{
    const auto decimal = detail::parseDecimal(detail::withoutDollarSigns(text));
    return decimal ? amountFromDecimal(*decimal) : std::nullopt;
}

std::string FormatByPattern(std::string_view text, Pattern pattern)
{
    const auto decimal =
        detail::parseDecimal(detail::withoutDollarSigns(pattern == Pattern::Rate ? withoutPercentSign(text) : text));
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
