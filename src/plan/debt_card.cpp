#include "plan/debt_card.h"

#include "money/money_text.h"

namespace plenwick {

std::vector<DebtCard> DebtCardsFromRows(const std::vector<CardRowTexts>& rows)
{
    std::vector<DebtCard> cards;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const CardRowTexts& texts = rows[row];
        const auto balance = money(texts.totalDue);
        if (!balance || !balance->isPositive())
            continue;
        DebtCard card;
        card.name = texts.name;
        card.annualRate = rate(texts.rate).value_or(0);
        card.balance = *balance;
        card.actualPayment = money(texts.actualPayment);
        card.minimumPayment = money(texts.minimumPayment).value_or(card.actualPayment.value_or(MoneyAmount()));
        card.annualFee = money(texts.annualFee).value_or(MoneyAmount());
        card.row = row;
        cards.push_back(std::move(card));
    }
    return cards;
}

} // namespace plenwick
