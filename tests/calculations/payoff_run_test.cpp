#include "calculations/payoff_run.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

MoneyAmount dollars(const char* text) { return money(text).value(); }

struct Count {
    std::int64_t months;
    bool stoppedEarly;
    bool operator==(const Count&) const = default;
};

Count countOf(const PayoffRunResult& run) { return {run.months, run.stoppedEarly}; }

// The month-by-month rule written out plainly, one month at a time, as the
// answer the faster run must agree with.
PayoffRunResult monthByMonth(MoneyAmount opening, const RatePlan& plan, MoneyAmount payment)
{
    std::int64_t balance = opening.ticks();
    std::int64_t months = 0;
    std::int64_t charged = 0;
    while (balance > 0) {
        const double annual = months < plan.introMonths ? plan.introRate : plan.regularRate;
        const auto interest = toMoney(MoneyAmount::fromTicks(balance).toDouble() * (annual / 12) / 100).value();
        if (interest >= payment)
            return {kNeverPaidOffMonths, true, RunEnd::NotCovered, MoneyAmount::fromTicks(charged)};
        balance = balance + interest.ticks() - payment.ticks();
        charged += interest.ticks();
        ++months;
    }
    return {months, false, RunEnd::PaidOff, MoneyAmount::fromTicks(charged)};
}

TEST(PayoffRun, CountsTheMonthsOfTheWorkedExamples)
{
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), RatePlan::constant(18), dollars("150"))), (Count{47, false}));
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), RatePlan::constant(18), dollars("300"))), (Count{20, false}));
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), RatePlan::constant(18), dollars("100"))), (Count{94, false}));
    EXPECT_EQ(countOf(PayoffRun(dollars("1,000.00"), RatePlan::constant(12), dollars("100"))), (Count{11, false}));
}

TEST(PayoffRun, ChargesTheIntroductoryRateForExactlyTheIntroductoryMonths)
{
    // 12 months at 0 %, then 13.99 %.
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), {12, 0, 13.99}, dollars("150"))), (Count{37, false}));
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), {12, 0, 13.99}, dollars("75"))), (Count{100, false}));

    // Month 1 free, then 100 % a month: 1000 -> 400 -> 200 -> paid in month 3.
    // Had month 2 been free too it would end in month 2; had month 1 been
    // charged the interest alone would exceed the payment.
    EXPECT_EQ(countOf(PayoffRun(dollars("1,000"), {1, 0, 1200}, dollars("600"))), (Count{3, false}));

    // No introductory months: the regular rate from month 1.
    EXPECT_EQ(PayoffRun(dollars("5,000.00"), {0, 0, 13.99}, dollars("150")),
              PayoffRun(dollars("5,000.00"), RatePlan::constant(13.99), dollars("150")));
    EXPECT_EQ(PayoffRun(dollars("5,000.00"), {-4, 0, 13.99}, dollars("150")),
              PayoffRun(dollars("5,000.00"), RatePlan::constant(13.99), dollars("150")));
}

TEST(PayoffRun, StopsEarlyWithAThousandMonthsWhenThePaymentFallsShort)
{
    const Count neverPaidOff{kNeverPaidOffMonths, true};
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), RatePlan::constant(18), dollars("75"))), neverPaidOff);
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), RatePlan::constant(18), std::nullopt)), neverPaidOff);
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), RatePlan::constant(0), dollars("0"))), neverPaidOff);
    // After the free months the regular interest is not covered.
    EXPECT_EQ(countOf(PayoffRun(dollars("5,000.00"), {3, 0, 36}, dollars("100"))), neverPaidOff);
}

TEST(PayoffRun, NothingToPayTakesNoMonths)
{
    EXPECT_EQ(countOf(PayoffRun(MoneyAmount(), RatePlan::constant(18), std::nullopt)), (Count{0, false}));
    EXPECT_EQ(countOf(PayoffRun(dollars("-10"), RatePlan::constant(18), dollars("0"))), (Count{0, false}));
}

TEST(PayoffRun, AgreesWithThePlainMonthByMonthRule)
{
    // Small balances and low rates reach months of no interest, which the run
    // passes over in one step.
    for (const char* balance : {"0.01", "3.00", "57.31", "1,000.00", "8,123.45"}) {
        for (const double rate : {0.0, 0.01, 0.5, 3.99, 18.0, -6.0}) {
            for (const char* payment : {"0.01", "0.07", "1.00", "19.99", "250.00"}) {
                for (const RatePlan& plan :
                     {RatePlan::constant(rate), RatePlan{7, 0.0, rate}, RatePlan{5, rate, 0.0}}) {
                    EXPECT_EQ(PayoffRun(dollars(balance), plan, dollars(payment)),
                              monthByMonth(dollars(balance), plan, dollars(payment)))
                        << balance << " at " << plan.introRate << "/" << plan.regularRate << " after "
                        << plan.introMonths << " paying " << payment;
                }
            }
        }
    }
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
