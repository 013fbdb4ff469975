#include "models/card_numbers.h"

#include "money/money_text.h"

namespace plenwick {

std::optional<QString> unreadableCardNumber(int row, const QString& rate, const QString& totalDue)
{
    const auto unreadable = [row](const char* box, const QString& text) {
        return QStringLiteral("%1: the %2 \"%3\" is not a number").arg(cardTitle(row), QLatin1String(box), text);
    };
    if (!rate.isEmpty() && !plenwick::rate(rate.toStdString()))
        return unreadable("Interest Rate", rate);
    if (!totalDue.isEmpty() && !money(totalDue.toStdString()))
        return unreadable("Total Due", totalDue);
    return std::nullopt;
}

std::vector<DebtCard> debtCardsOf(std::span<const CardRow> rows)
{
    std::vector<CardRowTexts> texts;
    texts.reserve(rows.size());
    for (const CardRow& card : rows) {
        texts.push_back({card[CardRow::Name].toStdString(), card[CardRow::AnnualFee].toStdString(),
                         card[CardRow::InterestRate].toStdString(), card[CardRow::TotalDue].toStdString(),
                         card[CardRow::MinimumPayment].toStdString(), card[CardRow::ActualPayment].toStdString()});
    }
    return DebtCardsFromRows(texts);
}

} // namespace plenwick
