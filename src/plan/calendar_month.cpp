#include "plan/calendar_month.h"

#include <array>
#include <cstdio>

namespace plenwick {

CalendarMonth CalendarMonth::plus(std::int64_t months) const
{
    const std::int64_t index = std::int64_t{year} * 12 + (month - 1) + months;
    // Floor division, so that months before year 0 still land on 1 to 12.
    const std::int64_t years = index >= 0 ? index / 12 : (index - 11) / 12;
    return {static_cast<std::int32_t>(years), static_cast<std::int32_t>(index - years * 12 + 1)};
}

std::string CalendarMonth::name() const
{
    static constexpr std::array<const char*, 12> kNames = {"January",   "February", "March",    "April",
                                                           "May",       "June",     "July",     "August",
                                                           "September", "October",  "November", "December"};
    return std::string(kNames.at(static_cast<std::size_t>(month - 1))) + " " + std::to_string(year);
}

std::string CalendarMonth::isoText() const
{
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d", year, month);
    return text.data();
}

} // namespace plenwick
