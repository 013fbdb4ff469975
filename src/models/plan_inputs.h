#pragma once

#include "cards/card_book.h"
#include "cards/plan_file.h"
#include "plan/debt_card.h"
#include "plan/debt_plan.h"
#include "plan/offer_move.h"

#include <QString>

#include <optional>
#include <vector>

namespace plenwick {

// What My Plan plans, read from what the person typed on My Cards and My
// Plan: the cards that owe, then the other debts that owe, each under its
// key; the budget, the order and the dated changes.
struct PlanInputs {
    std::vector<DebtCard> debts;
    QStringList keys; // per debt: cardKey(row), or the other debt's key
    MoneyAmount budget;
    PlanStrategy strategy = PlanStrategy::HighestRateFirst;
    PlanOptions options;
    OfferMoves moves;
    CalendarMonth firstMonth;
};

struct ReadInputs {
    std::optional<PlanInputs> inputs;
    QString problem; // names the debt or the row, the box and what was typed
};

// The orders in the order the order choice lists them.
inline constexpr PlanStrategy kPlanOrders[] = {PlanStrategy::HighestRateFirst, PlanStrategy::SmallestBalanceFirst,
                                               PlanStrategy::CardOrder, PlanStrategy::OwnOrder};
QString orderName(PlanStrategy strategy);
// The order of this name; the first for a name that is none.
PlanStrategy orderNamed(const QString& name);

// The budget when the person has typed none: what each card is paid now and
// each other debt's payment.
MoneyAmount budgetPaidNow(const CardBook& cards, const SavedPlan& saved);

// An empty other debt is passed over; one that owes nothing plays no part.
ReadInputs readPlanInputs(const CardBook& cards, const SavedPlan& saved, CalendarMonth firstMonth);

// The minimum rule of a debt as typed, or the reason it cannot be read.
struct ReadMinimum {
    MinimumRule rule;
    QString problem;
};
ReadMinimum readMinimumRule(const MinimumTexts& texts);

// An offer move as the plan file keeps it, and back.
OfferMoveTexts offerMoveTexts(const OfferMove& move);
OfferMove offerMoveOf(const OfferMoveTexts& texts);

} // namespace plenwick
