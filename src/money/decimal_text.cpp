#include "money/decimal_text.h"

#include <charconv>
#include <cstdlib>

namespace plenwick::detail {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string withoutLeadingZeros(const std::string& digits)
{
    const auto first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

} // namespace

std::optional<DecimalText> parseDecimal(std::string_view text)
{
    text = trimBlanks(text);
    DecimalText result;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        result.negative = text[at] == '-';
        ++at;
    }

    std::string integerDigits;
    while (at < text.size()) {
        const char c = text[at];
        if (isDigit(c)) {
            integerDigits += c;
        } else if (c == ',') {
            const bool betweenDigits = !integerDigits.empty() && at + 1 < text.size() && isDigit(text[at + 1]);
            if (!betweenDigits)
                return std::nullopt;
        } else {
            break;
        }
        ++at;
    }

    if (at < text.size() && text[at] == '.') {
        ++at;
        while (at < text.size() && isDigit(text[at]))
            result.fractionDigits += text[at++];
    }

    if (at != text.size() || (integerDigits.empty() && result.fractionDigits.empty()))
        return std::nullopt;
    result.integerDigits = withoutLeadingZeros(integerDigits);
    return result;
}

std::string withoutDollarSigns(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        if (c != '$')
            result += c;
    }
    return result;
}

DecimalText decimalFromDouble(double value)
{
    // Scientific form with 14 digits after the point: d.dddddddddddddde[+-]x
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string_view text(buffer, static_cast<std::size_t>(written.ptr - buffer));

    DecimalText result;
    std::size_t at = 0;
    if (text[at] == '-') {
        result.negative = true;
        ++at;
    }
    const auto exponentAt = text.find('e');
    std::string digits;
    for (std::size_t i = at; i < exponentAt; ++i) {
        if (isDigit(text[i]))
            digits += text[i];
    }
    const int exponent = std::atoi(std::string(text.substr(exponentAt + 1)).c_str());

    // The decimal point stands after digit number (exponent + 1).
    const int pointAt = exponent + 1;
    if (pointAt <= 0) {
        result.fractionDigits = std::string(static_cast<std::size_t>(-pointAt), '0') + digits;
    } else if (pointAt >= static_cast<int>(digits.size())) {
        result.integerDigits = digits + std::string(static_cast<std::size_t>(pointAt) - digits.size(), '0');
    } else {
        result.integerDigits = digits.substr(0, static_cast<std::size_t>(pointAt));
        result.fractionDigits = digits.substr(static_cast<std::size_t>(pointAt));
    }
    result.integerDigits = withoutLeadingZeros(result.integerDigits);
    return result;
}

} // namespace plenwick::detail
