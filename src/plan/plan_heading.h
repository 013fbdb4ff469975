#pragma once

#include "money/money_amount.h"
#include "plan/calendar_month.h"
#include "plan/debt_plan.h"

#include <string>

namespace plenwick {

// What a plan was made from, named at the top of an exported plan so that
// the file says which plan it holds.
struct PlanHeading {
    MoneyAmount budget;
    PlanStrategy strategy = PlanStrategy::HighestRateFirst;
    PlanOptions options;  // the dated budget changes and extra payments
    CalendarMonth madeIn; // the day the file was made
    int madeOnDay = 1;

    std::string madeOnIso() const;   // "2026-03-14"
    std::string madeOnWords() const; // "14 March 2026"
};

} // namespace plenwick
