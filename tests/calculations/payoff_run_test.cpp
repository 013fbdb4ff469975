#include "calculations/payoff_run.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace plenwick {
namespace {

constexpr auto kPaidOff = RunEnd::PaidOff;
constexpr auto kNotCovered = RunEnd::NotCovered;
constexpr auto kTooLong = RunEnd::TooLong;

std::string described(const PayoffRunResult& run)
{
    const char* ends[] = {"paid off", "not covered", "too long"};
    return std::to_string(run.months) + " months, " + ends[static_cast<int>(run.end)] + (run.stoppedEarly ? "!" : "") +
           ", interest " + std::to_string(run.interest.ticks());
}

TEST(PayoffRun, CountsMonthsAndInterestUntilPaidOffOrStopped)
{
    struct Case {
        const char* balance;
        RatePlan plan;
        const char* payment; // "" cannot be read
        std::int64_t months;
        RunEnd end;
        std::int64_t interestTicks;
        std::int64_t mostInterestMonths = 5'000'000;
    };
    const Case cases[] = {
        {"$5,000.00", RatePlan::constant(18), "$150", 47, kPaidOff, 19'836'046},
        {"$0.0001", RatePlan::constant(18), "$0.01", 1, kPaidOff, 0},
        {"$0.00", RatePlan::constant(18), "", 0, kPaidOff, 0},
        {"-$10", RatePlan::constant(18), "$0", 0, kPaidOff, 0},
        // Months 1 to 12 free, then 13.99 %; no introductory months is the regular rate from month 1.
        {"$5,000.00", {.introMonths = 12, .regularRate = 13.99}, "$150", 37, kPaidOff, 5'009'191},
        {"$5,000.00", {12, 0, 13.99}, "$75", 100, kPaidOff, 24'628'471},
        {"$5,000.00", {.regularRate = 13.99}, "$150", 43, kPaidOff, 13'675'648},
        {"$1,000.00", {.introMonths = 2, .introRate = 12}, "$100", 11, kPaidOff, 191'000},
        {"$5,000.00", {-4, 0, 13.99}, "$150", 43, kPaidOff, 13'675'648},
        // Month 1 free, then 100 % a month: 1000 -> 400 -> 200 -> paid in month 3.
        {"$1,000", {1, 0, 1200}, "$600", 3, kPaidOff, 6'000'000},
        {"$5,000.00", RatePlan::constant(18), "", 1000, kNotCovered, 0},
        {"$5,000.00", RatePlan::constant(0), "$0", 1000, kNotCovered, 0},
        {"$5,000.00", {3, 0, 36}, "$100", 1000, kNotCovered, 0},
        // The balance would leave the range of money: -900 % a month, then the payment.
        {"$100,000,000,000,000.00", RatePlan::constant(-10800), "$900,000,000,000,000.00", 1000, kNotCovered, 0},
        // Months whose interest rounds to 0 are not counted against the bound:
        // 4,000,000 months at 1 tick of interest, then 4,000,000 without.
        {"$1,200.00", RatePlan::constant(0.000075), "$0.0002", 8'000'000, kPaidOff, 4'000'000},
        // The longest typed run; its interest is held at the largest amount.
        {"$922,337,203,685,477.58", RatePlan::constant(0.01), "$7,686,143,364.0457", 3'902'665, kPaidOff,
         9'223'372'036'854'775'807},
        // 2.4 x 10^12 months of $0.10 interest: stopped after 5,000,000 of them.
        {"$100,000,000,000.00", RatePlan::constant(0.0000000012), "$0.11", 1000, kTooLong, 5'000'000'000},
        // Without the bound it is paid off, as an exact stretch-by-stretch sum in
        // integers, done apart from this program, also finds.
        {"$100,000,000,000.00", RatePlan::constant(0.0000000012), "$0.11", 2'397'903'537'180, kPaidOff,
         1'637'693'890'896'980, 1'000'000'000'000'000},
        {"$1,000.00", RatePlan::constant(12), "$400", 3, kPaidOff, 182'610, 3},
        {"$1,000.00", RatePlan::constant(12), "$340", 1000, kTooLong, 200'670, 3},
    };
    for (const Case& c : cases) {
        const auto run = PayoffRun(*money(c.balance), c.plan, money(c.payment), c.mostInterestMonths);
        EXPECT_EQ(described(run),
                  described({c.months, c.end != kPaidOff, c.end, MoneyAmount::fromTicks(c.interestTicks)}))
            << c.balance << " at " << c.plan.introMonths << " x " << c.plan.introRate << " then " << c.plan.regularRate
            << " paying " << c.payment;
    }
}

// Balances from a tick to the largest amount, rates up to 1,000 % with up to
// 12 decimals, payments from just above the first month's interest to far
// above it, introductory plans of up to 60 months, small bounds.
struct RandomCase {
    MoneyAmount balance;
    RatePlan plan;
    std::optional<MoneyAmount> payment;
    std::int64_t mostInterestMonths;
};

RandomCase randomCase(std::mt19937_64& random)
{
    auto uniform = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    auto rate = [&] {
        if (pick(8) == 0)
            return 0.0;
        const double scale = std::pow(10.0, pick(13));
        return std::min(1000.0, std::round(std::pow(10.0, uniform(-12, 3)) * scale) / scale) * (pick(20) == 0 ? -1 : 1);
    };
    RandomCase c;
    const auto ticks = static_cast<std::int64_t>(std::min(std::exp2(uniform(0, 63)), 9.2233720368547748e18));
    c.balance = MoneyAmount::fromTicks(pick(40) == 0 ? 9'223'372'036'854'775'807 : std::max<std::int64_t>(ticks, 1));
    c.plan = pick(2) == 0 ? RatePlan::constant(rate()) : RatePlan{pick(61), rate(), rate()};
    const MoneyAmount first = monthInterest(c.balance, c.plan.monthlyRate(1)).value_or(MoneyAmount());
    const double above = pick(2) == 0 ? std::exp2(uniform(0, 20)) : std::exp2(uniform(0, 63));
    c.payment =
        first.plus(MoneyAmount::fromTicks(pick(10) == 0 ? -pick(3) : static_cast<std::int64_t>(std::min(above, 9e18))));
    c.mostInterestMonths = 1 + pick(5000);
    return c;
}

TEST(PayoffRun, AgreesWithThePlainMonthByMonthRule)
{
    std::mt19937_64 random(20261206);
    std::vector<std::pair<RandomCase, PayoffRunResult>> checked;
    int ends[3] = {};
    for (int i = 0; i < 3000; ++i) {
        const RandomCase c = randomCase(random);
        const auto plain = PayoffRunPlain(c.balance, c.plan, c.payment, c.mostInterestMonths);
        SCOPED_TRACE(testing::Message() << "case " << i << ": " << c.balance.ticks() << " ticks at "
                                        << c.plan.introMonths << " x " << c.plan.introRate << " then "
                                        << c.plan.regularRate << " paying " << (c.payment ? c.payment->ticks() : -1)
                                        << " ticks, bound " << c.mostInterestMonths);
        ASSERT_EQ(described(PayoffRun(c.balance, c.plan, c.payment, c.mostInterestMonths)), described(plain));
        ++ends[static_cast<int>(plain.end)];
        checked.emplace_back(c, plain);
    }
    // Every way a run can end is well represented.
    for (const int count : ends)
        EXPECT_GT(count, 300);

    // Asked again, remembered or not: the same answers.
    for (const auto& [c, plain] : checked)
        ASSERT_EQ(described(PayoffRun(c.balance, c.plan, c.payment, c.mostInterestMonths)), described(plain));
}

TEST(LevelPayment, ClearsTheBalanceInTheGivenMonths)
{
    EXPECT_NEAR(*LevelPayment(1000, 0.01, 12), 88.84879, 1e-5);
    EXPECT_NEAR(*LevelPayment(1000, 0.01, 1), 1010.0, 1e-9);
    EXPECT_DOUBLE_EQ(*LevelPayment(1000, 0, 8), 125.0);
    EXPECT_FALSE(LevelPayment(1000, 0, 0));
    EXPECT_FALSE(LevelPayment(1000, 0.01, 0));
    EXPECT_FALSE(LevelPayment(1000, -1, 12));
}

} // namespace
} // namespace plenwick
