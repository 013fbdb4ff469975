#pragma once

#include "cards/card_book.h"
#include "plan/debt_card.h"
#include "plan/debt_plan.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

namespace plenwick {

// What My Plan shows: the plan, the cards it was built from and, when cards
// are moved to offers, the same plan without the moves.
struct PlanResult {
    std::vector<DebtCard> cards;
    DebtPlan plan;
    std::vector<QString> offerNames; // per card, the offer it is moved to; empty when it stays
    std::optional<DebtPlan> withoutMoves;
};

// The plan in words, as the screen and the PDF show it.
struct PlanSummary {
    QString failure;      // the reason the plan stops; empty when it ends
    QStringList headline; // the debt-free month, the totals, against paying as now
    QStringList cards;    // each card's paid-off month and interest
    QStringList moves;    // the cards moved to offers and what the moves gain
};

PlanSummary summarisePlan(const PlanResult& result);

// The cards shown on My Cards that owe, as the plan and the ranking take them.
std::vector<DebtCard> debtCardsOf(std::span<const CardRow> shown);

QString moneyText(MoneyAmount amount);         // "$1,234.56"
QString monthText(const CalendarMonth& month); // "March 2029"

} // namespace plenwick
