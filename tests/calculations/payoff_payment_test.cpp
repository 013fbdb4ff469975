#include "calculations/payoff.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

#include <string>

namespace plenwick {
namespace {

struct PaymentCase {
    std::string balance, rate, months;
    std::string caption;
};

void PrintTo(const PaymentCase& c, std::ostream* os)
{
    *os << c.balance << " at " << c.rate << " in [" << c.months << "]";
}

class PayoffPaymentAnswers : public testing::TestWithParam<PaymentCase> { };

TEST_P(PayoffPaymentAnswers, GivesTheMonthlyPayment)
{
    const auto& c = GetParam();
    const auto answer = PayoffPayment(c.balance, c.rate, c.months);
    EXPECT_EQ(answer.caption, c.caption);
    EXPECT_EQ(answer.message, std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, PayoffPaymentAnswers,
                         testing::Values(PaymentCase{"$1,000.00", "12.00", "12", "$88.85 monthly"},
                                         PaymentCase{"$5,000.00", "18.90", "36", "$183.03 monthly"},
                                         PaymentCase{"$1,000.00", "12.00", "1", "$1,010.00 monthly"},
                                         PaymentCase{"$12,000.00", "12.00", "1,000", "$120.01 monthly"}));

// At no interest the payment is the balance shared out evenly.
INSTANTIATE_TEST_SUITE_P(ZeroRate, PayoffPaymentAnswers,
                         testing::Values(PaymentCase{"$1,000.00", "0.00", "12", "$83.33 monthly"},
                                         PaymentCase{"$1,000.00", "", "4", "$250.00 monthly"},
                                         PaymentCase{"$1,000.00", "none", "3", "$333.33 monthly"}));

INSTANTIATE_TEST_SUITE_P(UnreadableBalance, PayoffPaymentAnswers,
                         testing::Values(PaymentCase{"", "12.00", "12", "$0.00 monthly"},
                                         PaymentCase{"owed", "12.00", "12", "$0.00 monthly"},
                                         // A rate of -1200 % wipes the balance out: no finite payment.
                                         PaymentCase{"$1,000.00", "-1200", "12", "$0.00 monthly"}));

class PayoffPaymentNeedsMonths : public testing::TestWithParam<std::string> { };

TEST_P(PayoffPaymentNeedsMonths, AsksForTheRepaymentPeriodAndLeavesTheLabel)
{
    const auto answer = PayoffPayment("$1,000.00", "12.00", GetParam());
    EXPECT_EQ(answer.caption, std::nullopt);
    EXPECT_EQ(answer.message, "Enter re-payment period");
    EXPECT_EQ(answer.icon, MessageIcon::None);
}

INSTANTIATE_TEST_SUITE_P(MonthsThatAreNotANumberAboveZero, PayoffPaymentNeedsMonths,
                         testing::Values("", " ", "twelve", "0", "-3", "0.0"));

double shownAmount(const PayoffAnswer& answer)
{
    const std::string& caption = answer.caption.value();
    return money(caption.substr(0, caption.find(' '))).value().toDouble();
}

TEST(PayoffPayment, AFractionOfAMonthIsUsedUnrounded)
{
    const double twelve = shownAmount(PayoffPayment("$1,000.00", "12.00", "12"));
    const double twelveAndAHalf = shownAmount(PayoffPayment("$1,000.00", "12.00", "12.5"));
    const double thirteen = shownAmount(PayoffPayment("$1,000.00", "12.00", "13"));
    EXPECT_LT(twelveAndAHalf, twelve);
    EXPECT_GT(twelveAndAHalf, thirteen);
}

} // namespace
} // namespace plenwick
