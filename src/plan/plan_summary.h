#pragma once

#include "plan/debt_card.h"
#include "plan/debt_plan.h"
#include "plan/offer_move.h"
#include "plan/offer_ranking.h"
#include "plan/plan_heading.h"

#include <optional>
#include <string>
#include <vector>

namespace plenwick {

// A plan as My Plan shows it: the plan, the cards it was built from and, when
// cards are moved to offers, the same plan without the moves.
struct PlanResult {
    std::vector<DebtCard> cards;
    DebtPlan plan;
    std::vector<std::string> offerNames; // per card, the offer it is moved to; empty when it stays
    std::optional<DebtPlan> withoutMoves;
};

// The plan of these cards with each moved card charged its offer's rates and
// transfer fee; when any card moved, also the plan without the moves.
PlanResult BuildPlanWithMoves(const std::vector<DebtCard>& cards, const OfferMoves& moves, MoneyAmount budget,
                              PlanStrategy strategy, CalendarMonth firstMonth, const PlanOptions& options = {});

// Every order side by side, the moves made, and the chosen order's plan as
// My Plan shows it; the chosen order's row is that very plan.
struct PlanComparison {
    std::vector<OrderPlan> orders;
    PlanResult chosen;
};
PlanComparison ComparePlans(const std::vector<DebtCard>& cards, const OfferMoves& moves, MoneyAmount budget,
                            PlanStrategy chosen, CalendarMonth firstMonth, const PlanOptions& options = {});

// The plan in words, as the screen and the printed plan show it.
struct PlanSummary {
    std::string failure;               // the reason the plan stops; empty when it ends
    std::vector<std::string> headline; // the debt-free month, the totals, against paying as now
    std::vector<std::string> cards;    // each card's paid-off month and interest
    std::vector<std::string> moves;    // the cards moved to offers and what the moves gain
};

PlanSummary SummarisePlan(const PlanResult& result);

// Moving one card to one offer as Best Offers counts it, fees included:
// "With the 3.00 % transfer fee: $3,237.45 less to pay, 16 months sooner".
// Empty when the card owes nothing.
std::string SwitchSummary(const DebtCard& card, const RankOffer& offer);

// "1 month", "28 months".
std::string MonthCount(std::int64_t months);

// The heading of a printed plan, a line each: the day made; the monthly
// budget with its changes; the extra payments; where the extra money goes;
// the debts with their balances, rates and minimums.
std::vector<std::string> PlanHeadingLines(const PlanHeading& heading, const std::vector<DebtCard>& debts);

} // namespace plenwick
