#include "plan/calendar_month.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstdio>

namespace plenwick {

CalendarMonth CalendarMonth::plus(std::int64_t months) const
{
    const std::int64_t index = std::int64_t{year} * 12 + (month - 1) + months;
    // Floor division, so that months before year 0 still land on 1 to 12.
    const std::int64_t years = index >= 0 ? index / 12 : (index - 11) / 12;
    return {static_cast<std::int32_t>(years), static_cast<std::int32_t>(index - years * 12 + 1)};
}

namespace {

constexpr std::array<std::string_view, 12> kNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

std::optional<std::int32_t> wholeNumber(std::string_view text)
{
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty() ? std::optional(value)
                                                                                     : std::nullopt;
}

// A month's name or its first three letters, in any case.
std::optional<std::int32_t> monthNamed(std::string_view word)
{
    for (std::size_t m = 0; m < kNames.size(); ++m) {
        const std::string_view name = kNames[m];
        if (word.size() < 3 || word.size() > name.size())
            continue;
        const bool same = std::equal(word.begin(), word.end(), name.begin(), [](char a, char b) {
            return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        });
        if (same)
            return static_cast<std::int32_t>(m + 1);
    }
    return std::nullopt;
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view()
                                           : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string CalendarMonth::name() const
{
    return std::string(kNames.at(static_cast<std::size_t>(month - 1))) + " " + std::to_string(year);
}

std::optional<CalendarMonth> ReadMonth(std::string_view text)
{
    text = trimmed(text);
    std::optional<std::int32_t> year, month;
    if (const auto dash = text.find('-'); dash == 4) {
        year = wholeNumber(text.substr(0, dash));
        month = wholeNumber(text.substr(dash + 1));
    } else if (const auto slash = text.find('/'); slash != std::string_view::npos) {
        month = wholeNumber(text.substr(0, slash));
        year = wholeNumber(text.substr(slash + 1));
    } else if (const auto blank = text.find(' '); blank != std::string_view::npos) {
        month = monthNamed(text.substr(0, blank));
        year = wholeNumber(trimmed(text.substr(blank + 1)));
    }
    if (!year || !month || *year < 1900 || *year > 9999 || *month < 1 || *month > 12)
        return std::nullopt;
    return CalendarMonth{*year, *month};
}

std::string CalendarMonth::isoText() const
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d", year, month);
    return text.data();
}

} // namespace plenwick
