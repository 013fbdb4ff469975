#include "money/money_text.h"

#include <gtest/gtest.h>

#include <string>

namespace plenwick {
namespace {

struct FormatCase {
    std::string typed;
    std::string shown;
};

void PrintTo(const FormatCase& c, std::ostream* os) { *os << "[" << c.typed << "] -> [" << c.shown << "]"; }

class MoneyFieldFormat : public testing::TestWithParam<FormatCase> { };

TEST_P(MoneyFieldFormat, ShowsTheTextInMoneyForm)
{
    EXPECT_EQ(FormatByPattern(GetParam().typed, Pattern::Money), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, MoneyFieldFormat,
    testing::Values(FormatCase{"1234.5", "$1,234.50"}, FormatCase{"$1,234.5", "$1,234.50"}, FormatCase{"0", "$0.00"},
                    FormatCase{"-5", "-$5.00"}, FormatCase{"1234567.8", "$1,234,567.80"},
                    FormatCase{"12.346", "$12.35"}, FormatCase{"0.125", "$0.13"}, FormatCase{"-0.125", "-$0.13"},
                    FormatCase{"", ""}, FormatCase{"abc", "abc"}, FormatCase{" ", " "}, FormatCase{"12abc", "12abc"},
                    FormatCase{"999.995", "$1,000.00"}, FormatCase{"-0.004", "$0.00"}, FormatCase{".5", "$0.50"},
                    FormatCase{"100", "$100.00"}, FormatCase{"1000", "$1,000.00"},
                    FormatCase{"0.12499999999999999999", "$0.12"},
                    FormatCase{"123456789012345678901234.5", "$123,456,789,012,345,678,901,234.50"}));

class RateFieldFormat : public testing::TestWithParam<FormatCase> { };

TEST_P(RateFieldFormat, ShowsTheTextInRateForm)
{
    EXPECT_EQ(FormatByPattern(GetParam().typed, Pattern::Rate), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Examples, RateFieldFormat,
                         testing::Values(FormatCase{"18.9", "18.90"}, FormatCase{"1,234", "1234.00"},
                                         FormatCase{"19.999", "20.00"}, FormatCase{"-3", "-3.00"},
                                         FormatCase{"$12", "12.00"}, FormatCase{"0", "0.00"},
                                         FormatCase{"18%", "18%"}));

TEST(FormatByPattern, FormattingTwiceGivesTheSameTextAsOnce)
{
    for (const char* typed : {"1234.5", "-5", "0.125", "abc", "", "19.999", "1,2,3", "-0.001"}) {
        for (const auto pattern : {Pattern::Money, Pattern::Rate}) {
            const auto once = FormatByPattern(typed, pattern);
            EXPECT_EQ(FormatByPattern(once, pattern), once) << typed;
        }
    }
}

TEST(FormatByPattern, WritesADoubleAtFifteenSignificantDigitsThenRounds)
{
    EXPECT_EQ(FormatByPattern(88.84879, Pattern::Money), "$88.85");
    EXPECT_EQ(FormatByPattern(183.0274, Pattern::Money), "$183.03");
    // 1.005 is stored just below 1.005, but shown with 15 digits it is a half.
    EXPECT_EQ(FormatByPattern(1.005, Pattern::Money), "$1.01");
    EXPECT_EQ(FormatByPattern(0.125, Pattern::Money), "$0.13");
    EXPECT_EQ(FormatByPattern(-1234567.891, Pattern::Money), "-$1,234,567.89");
    EXPECT_EQ(FormatByPattern(1e20, Pattern::Money), "$100,000,000,000,000,000,000.00");
    EXPECT_EQ(FormatByPattern(1e-20, Pattern::Money), "$0.00");
    EXPECT_EQ(FormatByPattern(-0.0, Pattern::Money), "$0.00");
    EXPECT_EQ(FormatByPattern(0.0, Pattern::Rate), "0.00");
}

TEST(FormatByPattern, WritesMoneyAmountsExactly)
{
    EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(10'591'078), Pattern::Money), "$1,059.11");
    EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(-23'500'000), Pattern::Money), "-$2,350.00");
    EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(1'250), Pattern::Money), "$0.13");
    EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(1'249), Pattern::Money), "$0.12");
    EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(-49), Pattern::Money), "$0.00");
    EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(std::numeric_limits<std::int64_t>::min()), Pattern::Money),
              "-$922,337,203,685,477.58");
    EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(std::numeric_limits<std::int64_t>::max()), Pattern::Rate),
              "922337203685477.58");
}

} // namespace
} // namespace plenwick
