#pragma once

#include "money/money_text.h"
#include "plan/calendar_month.h"

#include <QString>

#include <string>

namespace plenwick {

// The window-free libraries speak UTF-8; the window shows QStrings.
inline QString shownText(const std::string& text) { return QString::fromStdString(text); }

inline QString moneyText(MoneyAmount amount)
{
    return shownText(FormatByPattern(amount, Pattern::Money));
} // "$1,234.56"
inline QString monthText(const CalendarMonth& month) { return shownText(month.name()); } // "March 2029"

} // namespace plenwick
