#pragma once

#include "calculations/minimum_payment.h"
#include "calculations/payoff_run.h"
#include "money/money_amount.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace plenwick {

// One card or other debt (a car or student loan: its minimum is its fixed
// payment) that owes, as the plan and the offer ranking see it. The plan
// reads the rate, balance, payments, minimum rule, rate plan and opening fee;
// the ranking reads the rate, balance, actual payment and annual fee.
struct DebtCard {
    std::string name;
    double annualRate = 0; // percent
    MoneyAmount balance;
    MoneyAmount minimumPayment;               // below 0 counts as 0
    std::optional<MoneyAmount> actualPayment; // none: its text could not be read, so it never pays off alone
    MoneyAmount annualFee;
    // Moving the card to an offer: the plan charges this rate plan, its month
    // 1 being the plan's first month, instead of annualRate, and adds the
    // opening fee (the transfer fee) to the balance before month 1.
    std::optional<RatePlan> ratePlan;
    MoneyAmount openingFee;
    std::size_t row = 0;       // the My Cards row it came from
    MinimumRule minimumRule{}; // as typed: minimumPayment every month
};

// The six texts of one My Cards row.
struct CardRowTexts {
    std::string name, annualFee, rate, totalDue, minimumPayment, actualPayment;
};

// The rows whose total due reads as money above 0, in row order. A minimum
// payment that is empty or not a number is the actual payment; rate, annual
// fee and minimum that cannot be read count as 0.
std::vector<DebtCard> DebtCardsFromRows(const std::vector<CardRowTexts>& rows);

} // namespace plenwick
