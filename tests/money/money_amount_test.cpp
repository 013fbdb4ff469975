#include "money/money_amount.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

constexpr std::int64_t kMax = 9'223'372'036'854'775'807;
constexpr std::int64_t kMin = -kMax - 1;

MoneyAmount ticks(std::int64_t count) { return MoneyAmount::fromTicks(count); }

std::optional<std::int64_t> ticksOf(std::optional<MoneyAmount> amount)
{
    return amount ? std::optional(amount->ticks()) : std::nullopt;
}

TEST(MoneyAmount, ArithmeticIsExactOrFails)
{
    struct Case {
        std::optional<MoneyAmount> result;
        std::optional<std::int64_t> expected;
    };
    const Case cases[] = {{ticks(10000001).plus(ticks(-3)), 9999998},
                          {ticks(10000001).minus(ticks(-3)), 10000004},
                          {ticks(-7).times(3), -21},
                          {ticks(kMax).plus(ticks(1)), std::nullopt},
                          {ticks(kMin).minus(ticks(1)), std::nullopt},
                          {ticks(0).minus(ticks(kMin)), std::nullopt},
                          {ticks(kMin).plus(ticks(kMax)), -1},
                          {ticks(kMax).minus(ticks(kMax)), 0},
                          {ticks(kMin).times(-1), std::nullopt},
                          {ticks(kMax).times(-1), kMin + 1},
                          {ticks(4611686018427387904).times(2), std::nullopt},
                          {ticks(-4611686018427387904).times(2), kMin}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ticksOf(cases[i].result), cases[i].expected) << "case " << i;
}

TEST(MoneyAmount, RunningTotalsAreHeldAtTheEndsOfTheRange)
{
    EXPECT_EQ(ticks(4).plusTimesHeld(ticks(5), 3).ticks(), 19);
    EXPECT_EQ(ticks(kMax - 1).plusTimesHeld(ticks(1), 5).ticks(), kMax);
    EXPECT_EQ(ticks(kMin + 1).plusTimesHeld(ticks(-1), 5).ticks(), kMin);
    // The product alone is far out of range, the sum is not.
    EXPECT_EQ(ticks(kMin).plusTimesHeld(ticks(kMax), 2).ticks(), kMax - 1);
    EXPECT_EQ(ticks(kMin).plusTimesHeld(ticks(kMin), kMax).ticks(), kMin);
}

TEST(MoneyAmount, SizesCountsAndOrder)
{
    EXPECT_EQ(ticks(kMin).magnitude(), 9'223'372'036'854'775'808U);
    EXPECT_EQ(ticks(-5).magnitude(), 5U);
    EXPECT_EQ(ticks(10).countOf(ticks(3)), 3);
    EXPECT_EQ(ticks(2).countOf(ticks(3)), 0);
    EXPECT_LT(ticks(-1), MoneyAmount());
    EXPECT_TRUE(ticks(1).isPositive());
    EXPECT_FALSE(ticks(0).isPositive());
    EXPECT_EQ(ticks(12'345'600).toDouble(), 1234.56);
    EXPECT_EQ(ticks(-5).toDouble(), -0.0005);
}

} // namespace
} // namespace plenwick
