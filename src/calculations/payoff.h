#pragma once

#include "money/money_amount.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace plenwick {

enum class MessageIcon { None, Information, Warning };

// What a "Calculate" click shows: an optional message box first, then the new
// caption of the result label. No caption: the label keeps the one it has.
// When the card is paid off, months and interest tell what it takes.
struct PayoffAnswer {
    std::optional<std::string> caption = std::nullopt;
    std::optional<std::string> message = std::nullopt;
    MessageIcon icon = MessageIcon::None;
    std::optional<std::int64_t> months = std::nullopt;  // months to pay off (PayoffMonths)
    std::optional<MoneyAmount> interest = std::nullopt; // interest charged until it is paid off
};

inline constexpr std::string_view kEnterPaymentAmount = "Enter Payment Amount";
inline constexpr std::string_view kEnterRepaymentPeriod = "Enter re-payment period";
inline constexpr std::string_view kPaymentsNotEnough =
    "Your payments are not enough to cover the accumulated interest.  Try increasing the payments.";

// The balance after some months of paying, each month charged its interest
// first, as a statement would show it; never below 0. None when it leaves
// the money range or a figure cannot be read.
std::optional<MoneyAmount> BalanceWithInterest(std::string_view balance, std::string_view rate,
                                               std::string_view payment, int months);

// How many months the balance takes to pay off at the payment. A run that
// reaches the bound on months says "More than 5000000 months", without a message.
PayoffAnswer PayoffMonths(std::string_view balance, std::string_view rate, std::string_view payment);

// The monthly payment that clears the balance in the given months; the
// interest is what the payment as shown, to the cent, is charged.
PayoffAnswer PayoffPayment(std::string_view balance, std::string_view rate, std::string_view months);

} // namespace plenwick
