#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plenwick {

// A month of the calendar, for the dates of a plan. Months run 1 to 12.
struct CalendarMonth {
    std::int32_t year = 2000;
    std::int32_t month = 1;

    // The month that many months later (earlier when negative).
    CalendarMonth plus(std::int64_t months) const;

    std::string name() const;    // "March 2029"
    std::string isoText() const; // "2029-03", as in exported files

    auto operator<=>(const CalendarMonth&) const = default;
};

// A month as people type it: "2027-05", "5/2027", "May 2027" or "may 2027"
// (a month's first three letters will do). Years run 1900 to 9999.
std::optional<CalendarMonth> ReadMonth(std::string_view text);

} // namespace plenwick
