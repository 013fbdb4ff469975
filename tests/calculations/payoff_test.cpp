#include "calculations/payoff.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace plenwick {
namespace {

const std::string kNotEnough =
    "Your payments are not enough to cover the accumulated interest.  Try increasing the payments.";
const auto kNone = std::nullopt;

struct Case {
    std::string balance, rate, third; // the payment, or the months
    std::optional<std::string> caption = kNone, message = kNone;
    std::optional<std::int64_t> interestTicks = kNone;
};

void expectAnswer(const PayoffAnswer& answer, const Case& c)
{
    SCOPED_TRACE(c.balance + " at " + c.rate + " with [" + c.third + "]");
    EXPECT_EQ(answer.caption, c.caption);
    EXPECT_EQ(answer.message, c.message);
    EXPECT_EQ(answer.icon, c.message == kNotEnough ? MessageIcon::Information : MessageIcon::None);
    if (c.interestTicks) {
        EXPECT_EQ(answer.interest, MoneyAmount::fromTicks(*c.interestTicks));
    }
}

TEST(PayoffMonths, ShowsTheMonthsToPayOff)
{
    const Case cases[] = {
        {"$1,000.00", "12.00", "$100.00", "11 months", kNone, 589'848},
        {"$1,000.00", "0.00", "$100.00", "10 months", kNone, 0},
        {"$100.00", "12.00", "$101.00", "1 months"},
        {"$0.00", "18.00", "$5.00", "0 months", kNone, 0},
        // 18.90 a year is 1.575 % a month: 31.5000 of interest on $2,000.00.
        {"$2,000.00", "18.90", "$2,031.50", "1 months"},
        {"$2,000.00", "18.90", "$2,031.49", "2 months"},
        {"$2,000.00", "18.90", "$31.51", "516 months", kNone, 142'427'407},
        {"$2,000.00", "18.9 %", "$31.51", "516 months"},
        {"$922,337,203,685,477.58", "0.00", "$0.01", "92233720368547758 months", kNone, 0},
        // The balance plus interest passes the top of the range for a moment.
        {"$900,000,000,000,000.00", "36.00", "$922,000,000,000,000.00", "2 months", kNone, 271'500'000'000'000'000},
        // Texts that cannot be read count as 0.
        {"$1,000.00", "lots", "$100.00", "10 months"},
        {"-$50.00", "12.00", "abc", "0 months"},
        {"$1,000.00", "18.00", "$15.00", "Infinite months", kNotEnough},
        {"$1,000.00", "18.00", " ", "Infinite months", kNotEnough},
        {"$1,000.00", "0.00", "$0.00", "Infinite months", kNotEnough},
        {"$1,000.00", "12.00", "-$100.00", "Infinite months", kNotEnough},
        {"$922,337,203,685,477.58", "1,000,000,000,000", "$922,337,203,685,477.58", "Infinite months", kNotEnough},
        // A stored row that would take 2.4 x 10^12 months; the payment does cover the interest.
        {"$100,000,000,000.00", "0.0000000012", "$0.11", "More than 5000000 months"},
        {"$1,000.00", "12.00", "", kNone, "Enter Payment Amount"},
    };
    for (const Case& c : cases) {
        const auto answer = PayoffMonths(c.balance, c.rate, c.third);
        expectAnswer(answer, c);
        const bool paidOff = c.caption && std::isdigit(c.caption->front());
        EXPECT_EQ(answer.months.has_value(), paidOff);
        EXPECT_EQ(answer.interest.has_value(), paidOff);
        if (paidOff) {
            EXPECT_EQ(std::to_string(*answer.months) + " months", *c.caption);
        }
    }
}

TEST(PayoffPayment, ShowsTheMonthlyPaymentAndTheInterestItIsCharged)
{
    const Case cases[] = {
        {"$1,000.00", "12.00", "12", "$88.85 monthly", kNone, 661'846},
        {"$5,000.00", "18.90", "36", "$183.03 monthly", kNone, 15'889'553},
        {"$1,000.00", "12.00", "1", "$1,010.00 monthly", kNone, 100'000},
        {"$12,000.00", "12.00", "1,000", "$120.01 monthly"},
        // A fraction of a month is used as it is.
        {"$1,000.00", "12.00", "12.5", "$85.50 monthly"},
        // At no interest the balance is shared out evenly.
        {"$1,000.00", "0.00", "12", "$83.33 monthly", kNone, 0},
        {"$1,000.00", "none", "3", "$333.33 monthly"},
        {"", "12.00", "12", "$0.00 monthly", kNone, 0},
        // A rate of -1200 % wipes the balance out in a month: no finite payment.
        {"$1,000.00", "-1200", "12", "$0.00 monthly", kNone, -10'000'000},
    };
    for (const Case& c : cases)
        expectAnswer(PayoffPayment(c.balance, c.rate, c.third), c);
    for (const char* months : {"", " ", "twelve", "0", "-3", "0.0"})
        expectAnswer(PayoffPayment("$1,000.00", "12.00", months),
                     {"$1,000.00", "12.00", months, kNone, "Enter re-payment period"});
}

} // namespace
} // namespace plenwick
