#pragma once

#include "cards/card_book.h"
#include "plan/debt_card.h"

#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace plenwick {

// A rate or total due that is typed but is no number would silently count as
// 0; the screens say so and compute nothing instead. Empty boxes count as 0.
// The message naming the card, the box and the text; none when both read.
std::optional<QString> unreadableCardNumber(int row, const QString& rate, const QString& totalDue);

// The cards that owe, as the plan and the ranking take them.
std::vector<DebtCard> debtCardsOf(std::span<const CardRow> rows);

} // namespace plenwick
