#include "calculations/payoff.h"
#include "calculations/payoff_run.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <sstream>
#include <string>

namespace plenwick {
namespace {

const std::string kNotEnough =
    "Your payments are not enough to cover the accumulated interest.  Try increasing the payments.";

// The caption ("-" when the label keeps its own), the months and the interest
// in ticks of a paid-off card, and the message, "(i)" when it has the
// information icon.
std::string shown(const PayoffAnswer& answer)
{
    std::string text = answer.caption.value_or("-");
    if (answer.months)
        text += " (" + std::to_string(*answer.months) + ")";
    if (answer.interest)
        text += ", interest " + std::to_string(answer.interest->ticks());
    if (answer.message)
        text += ", " + (answer.message == kNotEnough ? "not enough" : *answer.message);
    return text + (answer.icon == MessageIcon::Information ? " (i)" : "");
}

// The four fields of a table row written "a|b|c|d".
std::array<std::string, 4> fieldsOf(const char* row)
{
    std::array<std::string, 4> fields;
    std::istringstream text(row);
    for (std::string& field : fields)
        std::getline(text, field, '|');
    return fields;
}

TEST(PayoffMonths, ShowsTheMonthsToPayOff)
{
    // "balance|rate|payment|what is shown"
    for (const char* row : {
             "$1,000.00|12.00|$100.00|11 months (11), interest 589848",
             "$1,000.00|0.00|$100.00|10 months (10), interest 0",
             "$0.00|18.00|$5.00|0 months (0), interest 0",
             "$5,000.00|18.00|$150.00|47 months (47), interest 19836046",
             // 18.90 a year is 1.575 % a month: 31.5000 of interest on $2,000.00.
             "$2,000.00|18.90|$2,031.50|1 months (1), interest 315000",
             "$2,000.00|18.90|$2,031.49|2 months (2), interest 315002",
             "$922,337,203,685,477.58|0.00|$0.01|92233720368547758 months (92233720368547758), interest 0",
             // The longest typed run; its interest is held at the largest amount.
             "$922,337,203,685,477.58|0.01|$7,686,143,364.0457|3902665 months (3902665), interest 9223372036854775807",
             // 4,000,000 months at 1 tick of interest, then 4,000,000 without: only
             // months with interest count against the bound.
             "$1,200.00|0.000075|$0.0002|8000000 months (8000000), interest 4000000",
             // The balance plus interest passes the top of the range for a moment.
             "$900,000,000,000,000.00|36.00|$922,000,000,000,000.00|2 months (2), interest 271500000000000000",
             // A rate that cannot be read counts as 0.
             "$1,000.00|lots|$100.00|10 months (10), interest 0",
             // The payment only equals the interest, or cannot be read.
             "$1,000.00|18.00|$15.00|Infinite months, not enough (i)",
             "$1,000.00|18.00| |Infinite months, not enough (i)",
             "$1,000.00|0.00|$0.00|Infinite months, not enough (i)",
             "$922,337,203,685,477.58|1,000,000,000,000|$922,337,203,685,477.58|Infinite months, not enough (i)",
             // -900 % a month, then the payment: the balance would leave the range of money.
             "$100,000,000,000,000.00|-10800|$900,000,000,000,000.00|Infinite months, not enough (i)",
             // A stored row that would take 2.4 x 10^12 months; the payment does cover the interest.
             "$100,000,000,000.00|0.0000000012|$0.11|More than 5000000 months",
             "$1,000.00|12.00||-, Enter Payment Amount",
         }) {
        const auto [balance, rate, payment, expected] = fieldsOf(row);
        EXPECT_EQ(shown(PayoffMonths(balance, rate, payment)), expected) << row;
    }
}

TEST(PayoffPayment, ShowsTheMonthlyPaymentAndTheInterestItIsCharged)
{
    // "balance|rate|months|what is shown"
    for (const char* row : {
             "$1,000.00|12.00|12|$88.85 monthly, interest 661846",
             "$5,000.00|18.90|36|$183.03 monthly, interest 15889553",
             "$1,000.00|12.00|1|$1,010.00 monthly, interest 100000",
             "$12,000.00|12.00|1,000|$120.01 monthly, interest 1012858887",
             // A fraction of a month is used as it is.
             "$1,000.00|12.00|12.5|$85.50 monthly, interest 688956",
             // 50 % a month: r x (1 + r)^months is exactly 1, and the payment the balance.
             "$1,000.00|600|1.7095112913514547|$1,000.00 monthly, interest 7500000",
             // At no interest the balance is shared out evenly.
             "$1,000.00|0.00|12|$83.33 monthly, interest 0",
             "$1,000.00|none|3|$333.33 monthly, interest 0",
             "|12.00|12|$0.00 monthly, interest 0",
             // (1 + r)^months overflows, or is 1 for a sliver of a month: the payment is left uncomputed.
             "$1,000.00|12.00|100000|$0.00 monthly",
             "$1,000.00|12.00|0.00000000000000000001|$0.00 monthly",
             "$1,000.00|12.00||-, Enter re-payment period",
             "$1,000.00|12.00|twelve|-, Enter re-payment period",
             "$1,000.00|12.00|0|-, Enter re-payment period",
             "$1,000.00|12.00|-3|-, Enter re-payment period",
         }) {
        const auto [balance, rate, months, expected] = fieldsOf(row);
        EXPECT_EQ(shown(PayoffPayment(balance, rate, months)), expected) << row;
    }
}

TEST(BalanceWithInterest, ChargesEachMonthsInterestBeforeItsPayment)
{
    // 1,000 + 10 - 100, then + 9.10 - 100; never below 0.
    EXPECT_EQ(BalanceWithInterest("$1,000.00", "12", "$100.00", 2), money("819.10"));
    EXPECT_EQ(BalanceWithInterest("$1,000.00", "12", "$100.00", 12), MoneyAmount());
    // A figure that cannot be read, or a balance that leaves the money range, gives none.
    EXPECT_EQ(BalanceWithInterest("$1,000.00", "x", "$100.00", 2), std::nullopt);
    EXPECT_EQ(BalanceWithInterest("$1,000.00", "12", "", 2), std::nullopt);
    EXPECT_EQ(BalanceWithInterest("$900,000,000,000,000.00", "36", "$0", 1), std::nullopt);
}

std::string described(const PayoffRunResult& run)
{
    const char* ends[] = {"paid off", "not covered", "too long"};
    return std::to_string(run.months) + " months, " + ends[static_cast<int>(run.end)] + (run.stoppedEarly ? "!" : "") +
           ", interest " + std::to_string(run.interest.ticks());
}

TEST(PayoffRun, ChargesIntroductoryRatesAndStopsAtTheBound)
{
    // The balance, plan, payment and bound, and the run ("!" when it stopped early).
    const std::tuple<const char*, RatePlan, const char*, std::int64_t, const char*> cases[] = {
        // Month 1 free, then 100 % a month: 1000 -> 400 -> 200 -> paid in month 3.
        {"$1,000", {1, 0, 1200}, "$600", 5'000'000, "3 months, paid off, interest 6000000"},
        {"$5,000.00",
         {.introMonths = 3, .regularRate = 36},
         "$100",
         5'000'000,
         "1000 months, not covered!, interest 0"},
        // A payment that cannot be read.
        {"$5,000.00", RatePlan::constant(18), "", 5'000'000, "1000 months, not covered!, interest 0"},
        // 2.4 x 10^12 months of $0.10 interest: stopped after 5,000,000 of them.
        {"$100,000,000,000.00", RatePlan::constant(1.2e-9), "$0.11", 5'000'000,
         "1000 months, too long!, interest 5000000000"},
        // Without the bound it is paid off, as an exact stretch-by-stretch sum in
        // integers, done apart from this program, also finds.
        {"$100,000,000,000.00", RatePlan::constant(1.2e-9), "$0.11", 1'000'000'000'000'000,
         "2397903537180 months, paid off, interest 1637693890896980"},
        {"$1,000.00", RatePlan::constant(12), "$400", 3, "3 months, paid off, interest 182610"},
        {"$1,000.00", RatePlan::constant(12), "$340", 3, "1000 months, too long!, interest 200670"},
    };
    for (const auto& [balance, plan, payment, most, run] : cases)
        EXPECT_EQ(described(PayoffRun(*money(balance), plan, money(payment), most)), run)
            << balance << " paying " << payment;
    // The plain rule too ends where the balance would leave the range of money.
    EXPECT_EQ(described(PayoffRunPlain(*money("100,000,000,000,000"), RatePlan::constant(-10800),
                                       money("900,000,000,000,000"))),
              "1000 months, not covered!, interest 0");
}

// Balances from a tick to the largest amount, rates up to 1,000 % with up to
// 12 decimals, payments from just below the first month's interest to far
// above it, introductory plans of up to 60 months, small bounds.
TEST(PayoffRun, AgreesWithThePlainMonthByMonthRule)
{
    std::mt19937_64 random(20261206);
    auto uniform = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    auto rate = [&] {
        if (pick(8) == 0)
            return 0.0;
        const double scale = std::pow(10.0, pick(13));
        return std::min(1000.0, std::round(std::pow(10.0, uniform(-12, 3)) * scale) / scale) * (pick(20) == 0 ? -1 : 1);
    };
    for (int i = 0; i < 3000; ++i) {
        SCOPED_TRACE(i); // the cases come in the same order every time
        const auto ticks = static_cast<std::int64_t>(std::min(std::exp2(uniform(0, 63)), 9.2233720368547748e18));
        const MoneyAmount balance =
            MoneyAmount::fromTicks(pick(40) == 0 ? 9'223'372'036'854'775'807 : std::max<std::int64_t>(ticks, 1));
        const RatePlan plan = pick(2) == 0 ? RatePlan::constant(rate()) : RatePlan{pick(61), rate(), rate()};
        const MoneyAmount first = monthInterest(balance, plan.monthlyRate(1)).value_or(MoneyAmount());
        const double above = pick(2) == 0 ? std::exp2(uniform(0, 20)) : std::exp2(uniform(0, 63));
        const auto payment = first.plus(
            MoneyAmount::fromTicks(pick(10) == 0 ? -pick(3) : static_cast<std::int64_t>(std::min(above, 9e18))));
        const std::int64_t most = 1 + pick(5000);
        const auto plain = PayoffRunPlain(balance, plan, payment, most);
        ASSERT_EQ(described(PayoffRun(balance, plan, payment, most)), described(plain));
    }
}

} // namespace
} // namespace plenwick
