#pragma once

#include "money/money_text.h"
#include "plan/debt_card.h"

namespace plenwick {

// Money written as in the tables of cases; the text is known to read.
inline MoneyAmount dollars(const char* text) { return money(text).value(); }

// A card as the tables of cases write it: its minimum payment is also what it pays now.
inline DebtCard card(double rate, const char* balance, const char* payment, std::optional<RatePlan> plan = {},
                     const char* annualFee = "0", const char* openingFee = "0", MinimumRule rule = {})
{
    const MoneyAmount paid = dollars(payment);
    return {"", rate, dollars(balance), paid, paid, dollars(annualFee), plan, dollars(openingFee), 0, rule};
}

} // namespace plenwick
