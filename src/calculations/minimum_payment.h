#pragma once

#include "money/money_amount.h"

#include <cstdint>
#include <optional>

namespace plenwick {

// How the bank sets a debt's minimum payment each month.
struct MinimumRule {
    enum class Kind {
        AsTyped,             // the typed amount, the same every month
        PercentPlusInterest, // percent of the balance plus the month's interest, at least the floor
        Percent,             // percent of the balance, at least the floor
    };
    Kind kind = Kind::AsTyped;
    double percent{}; // 0-100; more pays all that is owed, less counts as 0; unread when as typed
    MoneyAmount floor;

    bool operator==(const MinimumRule&) const = default;
};

// The minimum due in a month whose opening balance is charged interest.
// "The balance" of a formula is that opening balance: for the first month the
// balance the person reads on the statement in hand, so the first minimum is
// the one printed there (statements, and the regulation's own sample
// calculation of the warning below, take the percent of the balance interest
// is charged on). Banks bill whole cents: a formula's amount is rounded to
// the nearest cent, halves up. Never below 0, never more than the opening
// balance plus interest, which must be in the money range.
MoneyAmount MinimumDue(const MinimumRule& rule, MoneyAmount typed, MoneyAmount opening, MoneyAmount interest);

// A card statement's minimum payment warning: "If you make only the minimum
// payment each period, you will pay off the balance shown on this statement
// in about N years and end up paying an estimated total of $T".
struct MinimumPaymentWarning {
    bool paidOff = false; // false: the minimum never pays the balance off (no month pays more than its interest)
    std::int64_t months = 0;
    std::optional<std::int64_t> years; // as the statement shows it; none: under 2 years, shown in months
    MoneyAmount interest, totalPaid;   // exact, of the months run
    MoneyAmount totalShown;            // the total paid to the nearest whole dollar, halves up
};

// The warning as US statements work it out (Regulation Z, 12 CFR
// 1026.7(b)(12) and its Appendix M1, "Repayment Disclosures"), in our words:
// - Start from the balance shown on the statement and assume the person pays
//   only the minimum, by the card's own formula, each month, charges nothing
//   new, pays no fees, and the rate stays as it is. Each month is charged the
//   rate / 12 (the regulation's periodic rate: the rate / 365 for 365 / 12
//   days), then the month's minimum is paid; the last payment pays what is
//   left.
// - The months are counted to the one that pays the balance off. Under two
//   years the statement shows months; from two years on, years rounded to the
//   nearest whole year (we round halves up: 30 months is about 3 years).
// - The total is every payment, balance and interest, in whole dollars.
// A month that pays no more than its interest means the minimum never pays
// the balance off; so does a run past kMostInterestMonths.
MinimumPaymentWarning OnlyMinimumPayments(MoneyAmount balance, double annualRate, const MinimumRule& rule,
                                          MoneyAmount typedMinimum = {});

} // namespace plenwick
