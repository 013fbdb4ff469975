#include "plan/calendar_month.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(ReadMonth, TakesTheWaysPeopleWriteAMonth)
{
    const std::pair<const char*, std::optional<CalendarMonth>> cases[] = {
        {"2027-05", CalendarMonth{2027, 5}},
        {" 5/2027 ", CalendarMonth{2027, 5}},
        {"12/1900", CalendarMonth{1900, 12}},
        {"May 2027", CalendarMonth{2027, 5}},
        {"sept 2027", CalendarMonth{2027, 9}},
        {"DEC  9999", CalendarMonth{9999, 12}},
        {"2027-13", std::nullopt},
        {"0/2027", std::nullopt},
        {"1/1899", std::nullopt},
        {"Ma 2027", std::nullopt},
        {"Mayday 2027", std::nullopt},
        {"May 27x", std::nullopt},
        {"27-05", std::nullopt},
        {"May", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, month] : cases)
        EXPECT_EQ(ReadMonth(text), month) << text;
}

} // namespace
} // namespace plenwick
