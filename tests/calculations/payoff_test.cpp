#include "calculations/payoff.h"
#include "calculations/payoff_run.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <random>
#include <string>

namespace plenwick {
namespace {

const std::string kNotEnough =
    "Your payments are not enough to cover the accumulated interest.  Try increasing the payments.";
const auto kNone = std::nullopt;
constexpr auto kPaidOff = RunEnd::PaidOff;

struct Case {
    std::string balance, rate, third; // the payment, or the months
    std::optional<std::string> caption = kNone, message = kNone;
    std::optional<std::int64_t> interestTicks = kNone;
};

void expectAnswer(const PayoffAnswer& answer, const Case& c)
{
    SCOPED_TRACE(c.balance + " at " + c.rate + " with [" + c.third + "]");
    // The interest is checked where the case gives it.
    const auto interest = c.interestTicks ? MoneyAmount::fromTicks(*c.interestTicks) : answer.interest;
    EXPECT_EQ(std::tie(answer.caption, answer.message, answer.icon, answer.interest),
              std::tuple(c.caption, c.message, c.message == kNotEnough ? MessageIcon::Information : MessageIcon::None,
                         interest));
}

TEST(PayoffMonths, ShowsTheMonthsToPayOff)
{
    const Case cases[] = {
        {"$1,000.00", "12.00", "$100.00", "11 months", kNone, 589'848},
        {"$1,000.00", "0.00", "$100.00", "10 months", kNone, 0},
        {"$100.00", "12.00", "$101.00", "1 months"},
        {"$0.00", "18.00", "$5.00", "0 months", kNone, 0},
        {"$0.0001", "18.00", "$0.01", "1 months", kNone, 0},
        {"$5,000.00", "18.00", "$150.00", "47 months", kNone, 19'836'046},
        // 18.90 a year is 1.575 % a month: 31.5000 of interest on $2,000.00.
        {"$2,000.00", "18.90", "$2,031.50", "1 months"},
        {"$2,000.00", "18.90", "$2,031.49", "2 months"},
        {"$2,000.00", "18.9 %", "$31.51", "516 months", kNone, 142'427'407},
        {"$922,337,203,685,477.58", "0.00", "$0.01", "92233720368547758 months", kNone, 0},
        // The longest typed run; its interest is held at the largest amount.
        {"$922,337,203,685,477.58", "0.01", "$7,686,143,364.0457", "3902665 months", kNone, 9'223'372'036'854'775'807},
        // 4,000,000 months at 1 tick of interest, then 4,000,000 without: only
        // months with interest count against the bound.
        {"$1,200.00", "0.000075", "$0.0002", "8000000 months", kNone, 4'000'000},
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
        // -900 % a month, then the payment: the balance would leave the range of money.
        {"$100,000,000,000,000.00", "-10800", "$900,000,000,000,000.00", "Infinite months", kNotEnough},
        // A stored row that would take 2.4 x 10^12 months; the payment does cover the interest.
        {"$100,000,000,000.00", "0.0000000012", "$0.11", "More than 5000000 months"},
        {"$1,000.00", "12.00", "", kNone, "Enter Payment Amount"},
    };
    for (const Case& c : cases) {
        const auto answer = PayoffMonths(c.balance, c.rate, c.third);
        expectAnswer(answer, c);
        // Months and interest come with a paid-off answer, and only with one.
        EXPECT_EQ(answer.months && answer.interest ? std::to_string(*answer.months) + " months" : "",
                  c.caption && std::isdigit(c.caption->front()) ? *c.caption : "");
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

std::string described(const PayoffRunResult& run)
{
    const char* ends[] = {"paid off", "not covered", "too long"};
    return std::to_string(run.months) + " months, " + ends[static_cast<int>(run.end)] + (run.stoppedEarly ? "!" : "") +
           ", interest " + std::to_string(run.interest.ticks());
}

TEST(PayoffRun, ChargesIntroductoryRatesAndStopsAtTheBound)
{
    // The balance, plan and payment, the months and end, the interest in ticks and the bound.
    const std::tuple<const char*, RatePlan, const char*, std::int64_t, RunEnd, std::int64_t, std::int64_t> cases[] = {
        // Months 1 to 12 free, then 13.99 %; no introductory months is the regular rate from month 1.
        {"$5,000.00", {12, 0, 13.99}, "$75", 100, kPaidOff, 24'628'471, 5'000'000},
        {"$5,000.00", {.regularRate = 13.99}, "$150", 43, kPaidOff, 13'675'648, 5'000'000},
        {"$1,000.00", {.introMonths = 2, .introRate = 12}, "$100", 11, kPaidOff, 191'000, 5'000'000},
        // Month 1 free, then 100 % a month: 1000 -> 400 -> 200 -> paid in month 3.
        {"$1,000", {1, 0, 1200}, "$600", 3, kPaidOff, 6'000'000, 5'000'000},
        {"$5,000.00", {3, 0, 36}, "$100", 1000, RunEnd::NotCovered, 0, 5'000'000},
        // A payment that cannot be read.
        {"$5,000.00", RatePlan::constant(18), "", 1000, RunEnd::NotCovered, 0, 5'000'000},
        // 2.4 x 10^12 months of $0.10 interest: stopped after 5,000,000 of them.
        {"$100,000,000,000.00", RatePlan::constant(1.2e-9), "$0.11", 1000, RunEnd::TooLong, 5'000'000'000, 5'000'000},
        // Without the bound it is paid off, as an exact stretch-by-stretch sum in
        // integers, done apart from this program, also finds.
        {"$100,000,000,000.00", RatePlan::constant(1.2e-9), "$0.11", 2'397'903'537'180, kPaidOff, 1'637'693'890'896'980,
         1'000'000'000'000'000},
        {"$1,000.00", RatePlan::constant(12), "$400", 3, kPaidOff, 182'610, 3},
        {"$1,000.00", RatePlan::constant(12), "$340", 1000, RunEnd::TooLong, 200'670, 3},
    };
    for (const auto& [balance, plan, payment, months, end, interest, most] : cases) {
        EXPECT_EQ(described(PayoffRun(*money(balance), plan, money(payment), most)),
                  described({months, end != kPaidOff, end, MoneyAmount::fromTicks(interest)}))
            << balance << " paying " << payment << " within " << most;
    }
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
    int ends[3] = {};
    for (int i = 0; i < 6000; ++i) {
        SCOPED_TRACE(i); // the cases come in the same order every time
        if (i == 3000)
            random = std::mt19937_64(20261206); // the same cases again: remembered or not, the same answers
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
        ++ends[static_cast<int>(plain.end)];
    }
    // Every way a run can end is well represented.
    for (const int count : ends)
        EXPECT_GT(count, 600);
}

} // namespace
} // namespace plenwick
