#include "money/money_text.h"

#include <gtest/gtest.h>

#include <string>

namespace plenwick {
namespace {

struct NumberCase {
    std::string text;
    std::optional<double> expected;
};

void PrintTo(const NumberCase& c, std::ostream* os) { *os << "[" << c.text << "]"; }

class NumberReading : public testing::TestWithParam<NumberCase> { };

TEST_P(NumberReading, FollowsUsEnglishRules)
{
    const auto& c = GetParam();
    EXPECT_EQ(number(c.text), c.expected) << "text: [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(Accepted, NumberReading,
                         testing::Values(NumberCase{"18.90", 18.9}, NumberCase{"  12 ", 12.0}, NumberCase{"-5", -5.0},
                                         NumberCase{"+7.25", 7.25}, NumberCase{"1,234.56", 1234.56},
                                         NumberCase{"1,2,3,4", 1234.0}, NumberCase{"0012", 12.0}, NumberCase{".5", 0.5},
                                         NumberCase{"\t3\t", 3.0}));

INSTANTIATE_TEST_SUITE_P(Refused, NumberReading,
                         testing::Values(NumberCase{"", std::nullopt}, NumberCase{" ", std::nullopt},
                                         NumberCase{"abc", std::nullopt}, NumberCase{"1e5", std::nullopt},
                                         NumberCase{"(5)", std::nullopt}, NumberCase{"$5", std::nullopt},
                                         NumberCase{"1.2.3", std::nullopt}, NumberCase{",123", std::nullopt},
                                         NumberCase{"123,", std::nullopt}, NumberCase{"1,,2", std::nullopt},
                                         NumberCase{"1.2,3", std::nullopt}, NumberCase{"5.", std::nullopt},
                                         NumberCase{"--5", std::nullopt}, NumberCase{"- 5", std::nullopt},
                                         NumberCase{"5%", std::nullopt}, NumberCase{"1 2", std::nullopt},
                                         NumberCase{std::string(400, '9'), std::nullopt}));

TEST(MoneyReading, RemovesEveryDollarSignAndAcceptsSeparators)
{
    EXPECT_EQ(money("$1,234.56")->ticks(), 12'345'600);
    EXPECT_EQ(money("1,234.56")->ticks(), 12'345'600);
    EXPECT_EQ(money("$25 ")->ticks(), 250'000);
    EXPECT_EQ(money("$1,000 ")->ticks(), 10'000'000);
    EXPECT_EQ(money("-$5.00")->ticks(), -50'000);
    EXPECT_EQ(money("5$$")->ticks(), 50'000);
    EXPECT_FALSE(money(""));
    EXPECT_FALSE(money("$"));
    EXPECT_FALSE(money("ten dollars"));
}

TEST(MoneyReading, RoundsPastFourDecimalsHalfToEven)
{
    EXPECT_EQ(money("0.00005")->ticks(), 0);
    EXPECT_EQ(money("0.00015")->ticks(), 2);
    EXPECT_EQ(money("0.000150001")->ticks(), 2);
    EXPECT_EQ(money("0.000050001")->ticks(), 1);
    EXPECT_EQ(money("-0.00015")->ticks(), -2);
    EXPECT_EQ(money("1.23456789")->ticks(), 12'346);
}

TEST(MoneyReading, RefusesAmountsOutsideTheRange)
{
    EXPECT_EQ(money("922,337,203,685,477.5807")->ticks(), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(money("-922,337,203,685,477.5808")->ticks(), std::numeric_limits<std::int64_t>::min());
    EXPECT_FALSE(money("922,337,203,685,477.5808"));
    EXPECT_FALSE(money("-922,337,203,685,477.5809"));
    EXPECT_FALSE(money("922,337,203,685,477.58075")); // rounds up past the top
    EXPECT_FALSE(money(std::string(40, '9')));
}

TEST(ToMoney, RoundsToTenThousandthsTiesToEven)
{
    EXPECT_EQ(toMoney(10.0)->ticks(), 100'000);
    EXPECT_EQ(toMoney(0.00025)->ticks(), 2); // 2.5 ticks
    EXPECT_EQ(toMoney(0.00035)->ticks(), 4); // 3.5 ticks
    EXPECT_EQ(toMoney(-0.00025)->ticks(), -2);
    EXPECT_EQ(toMoney(0.000251)->ticks(), 3);
    EXPECT_EQ(toMoney(31.5)->ticks(), 315'000);
}

TEST(ToMoney, RoundsTiesToEvenAcrossTheWholeRange)
{
    EXPECT_EQ(roundHalfEven(0.5), 0.0);
    EXPECT_EQ(roundHalfEven(1.5), 2.0);
    EXPECT_EQ(roundHalfEven(-2.5), -2.0);
    EXPECT_EQ(roundHalfEven(-2.5000001), -3.0);
    EXPECT_EQ(roundHalfEven(4503599627370495.5), 4503599627370496.0);
    EXPECT_EQ(roundHalfEven(9007199254740993.0), 9007199254740993.0);
    EXPECT_EQ(toMoney(-900000000000000.0)->ticks(), -9000000000000000000);
}

TEST(ToMoney, FailsOutsideTheRange)
{
    EXPECT_FALSE(toMoney(1e15));
    EXPECT_FALSE(toMoney(-1e15));
    EXPECT_FALSE(toMoney(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(toMoney(std::numeric_limits<double>::quiet_NaN()));
    EXPECT_TRUE(toMoney(9e14));
}

} // namespace
} // namespace plenwick
