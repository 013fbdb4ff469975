#pragma once

#include "plan/debt_card.h"
#include "plan/debt_plan.h"
#include "plan/plan_heading.h"

#include <string>
#include <vector>

namespace plenwick {

// The name a card goes by in a plan's schedule: its own, or "Card 2" for
// the second row when it has none.
std::string ScheduleCardName(const DebtCard& card);

// The schedule as comma-separated values for a spreadsheet: a header row, a
// row per month (its number, its month as 2027-03, then each card's payment,
// interest and closing balance) and a row of totals. Money is a plain decimal
// like 1234.56; lines end in CR LF; fields holding a comma, a quote or a line
// break are quoted, and a text field opening with = + - @, a tab or a carriage
// return is quoted with a "'" before it, so that no spreadsheet reads it as a
// formula. The cards are the ones the plan was built from.
std::string PlanCsv(const DebtPlan& plan, const std::vector<DebtCard>& cards);

// What the plan was made from, as "name,value" lines above the schedule and
// a blank line: the day made, the first month, the monthly budget, where the
// extra money goes, then each budget change and extra payment. One file keeps
// its schedule and what it shows together; a spreadsheet opens both as they
// are, and a program that wants the table alone starts after the blank line.
// Fields and amounts are written as in PlanCsv.
std::string PlanCsvHeading(const PlanHeading& heading, CalendarMonth firstMonth);

} // namespace plenwick
