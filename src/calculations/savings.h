#pragma once

#include "calculations/payoff_run.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace plenwick {

// The caption of a result label that holds no answer.
inline constexpr std::string_view kNoAnswerText = "-";

// An offer's rates from its texts: months 1 to the introductory months are
// charged the introductory rate. A count that is not a whole number of months
// from 1 to 2^31 - 1 (after rounding, ties to even) gives no introductory months.
RatePlan OfferRatePlan(std::string_view introMonths, std::string_view introRate, std::string_view regularRate);

// One advertised card, with its fields as text. The "No Card found" entry,
// shown when there are no offers, is a placeholder and not an offer.
struct SavingsOffer {
    std::string name, introMonths, introRate, regularRate;
    bool placeholder = false;
};

// A row's texts and the item texts chosen in its three lists; no value means
// nothing is chosen.
struct SavingsRow {
    std::string totalDue, interestRate, actualPayment;
    std::optional<std::string> monthsItem, amountItem;
    std::optional<SavingsOffer> offer;
};

// "12 months" and "1 month": the months of an item of the months list.
std::optional<double> MonthsOfItem(std::string_view item);

// The options in the order of their labels, Savings1Lable to Savings3Lable.
enum class SavingsLabel { FastRepayment, BiggerRepayment, SwitchingCard };

// One thing the click does on the screen, in order: a caption written into a
// label, or the not-enough message box.
struct SavingsStep {
    enum class Kind { Caption, Message };
    Kind kind = Kind::Caption;
    SavingsLabel label = SavingsLabel::FastRepayment; // for captions
    std::string text;

    bool operator==(const SavingsStep&) const = default;
};

struct SavingsAnswer {
    std::string savings1{kNoAnswerText}, savings2{kNoAnswerText}, savings3{kNoAnswerText};
    std::vector<SavingsStep> steps;
    // What the fast and the bigger repayment save in interest, exactly, as
    // the person's statement counts it ("Interest saved: $1,234.56"); empty
    // when the option has no answer or a run never ends.
    std::string fastInterest, biggerInterest;
};

inline constexpr std::string_view kNoCardFound = "No Card found";
inline constexpr std::string_view kSavingsPaymentsNotEnough =
    "Your payments are not enough to cover the accumulated interest.  "
    "Try increasing the actual payments (in My Cards section).";

// The baseline (current balance, rate and actual payment) and each option
// whose list has a choice, each measured against the baseline. A run that is
// never paid off, or runs past the bound on months, counts 1000 months; only
// the first shows the not-enough message.
SavingsAnswer SavingsOptions(const SavingsRow& row);

} // namespace plenwick
