#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plenwick {

enum class MessageIcon { None, Information, Warning };

// What a "Calculate" click shows: an optional message box first, then the new
// caption of the result label. No caption: the label keeps the one it has.
struct PayoffAnswer {
    std::optional<std::string> caption;
    std::optional<std::string> message;
    MessageIcon icon = MessageIcon::None;
};

inline constexpr std::string_view kEnterPaymentAmount = "Enter Payment Amount";
inline constexpr std::string_view kEnterRepaymentPeriod = "Enter re-payment period";
inline constexpr std::string_view kPaymentsNotEnough =
    "Your payments are not enough to cover the accumulated interest.  Try increasing the payments.";

// How many months the balance takes to pay off at the payment.
PayoffAnswer PayoffMonths(std::string_view balance, std::string_view rate, std::string_view payment);

// The monthly payment that clears the balance in the given months.
PayoffAnswer PayoffPayment(std::string_view balance, std::string_view rate, std::string_view months);

} // namespace plenwick
