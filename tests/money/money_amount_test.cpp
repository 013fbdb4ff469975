#include "money/money_amount.h"

#include <gtest/gtest.h>

#include <limits>

namespace plenwick {
namespace {

constexpr auto kMaxTicks = std::numeric_limits<std::int64_t>::max();
constexpr auto kMinTicks = std::numeric_limits<std::int64_t>::min();

TEST(MoneyAmount, SumsAndDifferencesAreExact)
{
    const auto a = MoneyAmount::fromTicks(10'000'001);
    const auto b = MoneyAmount::fromTicks(-3);
    EXPECT_EQ(a.plus(b)->ticks(), 9'999'998);
    EXPECT_EQ(a.minus(b)->ticks(), 10'000'004);
    EXPECT_EQ(MoneyAmount().ticks(), 0);
}

TEST(MoneyAmount, LeavingTheRangeIsAFailureNotAWrapAround)
{
    EXPECT_FALSE(MoneyAmount::fromTicks(kMaxTicks).plus(MoneyAmount::fromTicks(1)));
    EXPECT_FALSE(MoneyAmount::fromTicks(kMinTicks).minus(MoneyAmount::fromTicks(1)));
    EXPECT_FALSE(MoneyAmount::fromTicks(0).minus(MoneyAmount::fromTicks(kMinTicks)));
    EXPECT_EQ(MoneyAmount::fromTicks(kMaxTicks).minus(MoneyAmount::fromTicks(kMaxTicks))->ticks(), 0);
    EXPECT_EQ(MoneyAmount::fromTicks(kMinTicks).plus(MoneyAmount::fromTicks(kMaxTicks))->ticks(), -1);
}

TEST(MoneyAmount, ComparesByValueAndConvertsToDouble)
{
    EXPECT_LT(MoneyAmount::fromTicks(-1), MoneyAmount());
    EXPECT_EQ(MoneyAmount::fromTicks(12'345'600).toDouble(), 1234.56);
    EXPECT_EQ(MoneyAmount::fromTicks(-5).toDouble(), -0.0005);
}

} // namespace
} // namespace plenwick
