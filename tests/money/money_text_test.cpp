#include "money/money_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace plenwick {
namespace {

constexpr std::int64_t kMax = 9'223'372'036'854'775'807;
constexpr std::int64_t kMin = -kMax - 1;
const auto kNone = std::nullopt;

std::optional<std::int64_t> ticksOf(std::optional<MoneyAmount> amount)
{
    return amount ? std::optional(amount->ticks()) : std::nullopt;
}

TEST(Reading, NumbersAndMoneyFollowUsEnglishRules)
{
    struct Case {
        std::string text;
        std::optional<double> number;
        std::optional<std::int64_t> moneyTicks;
    };
    const Case cases[] = {{"18.90", 18.9, 189'000},
                          {"  12 ", 12, 120'000},
                          {"\t-5\t", -5, -50'000},
                          {"+7.25", 7.25, 72'500},
                          {"1,234.56", 1234.56, 12'345'600},
                          {"1,2,3,4", 1234, 12'340'000},
                          {"0012", 12, 120'000},
                          {".5", 0.5, 5'000},
                          {"1.", 1, 10'000},
                          {"$1,234.56", kNone, 12'345'600},
                          {"$25 ", kNone, 250'000},
                          {"$1,000 ", kNone, 10'000'000},
                          {"-$5.00", kNone, -50'000},
                          {"5$$", kNone, 50'000},
                          // Past four decimals money rounds to the nearest tick, ties to even.
                          {"0.00005", 0.00005, 0},
                          {"0.00011", 0.00011, 1},
                          {"0.00015", 0.00015, 2},
                          {"0.000150001", 0.000150001, 2},
                          {"0.000050001", 0.000050001, 1},
                          {"-0.00015", -0.00015, -2},
                          {"1.23456789", 1.23456789, 12'346},
                          // The ends of the money range.
                          {"922,337,203,685,477.5807", 922337203685477.5807, kMax},
                          {"-922,337,203,685,477.5808", -922337203685477.5808, kMin},
                          {"922,337,203,685,477.5808", 922337203685477.5808, kNone},
                          {"-922,337,203,685,477.5809", -922337203685477.5809, kNone},
                          {"922,337,203,685,477.58075", 922337203685477.58075, kNone},
                          {std::string(40, '9'), 1e40, kNone},
                          {std::string(400, '9'), kNone, kNone},
                          {"-0." + std::string(330, '0') + "1", -0.0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 50));
        EXPECT_EQ(number(c.text), c.number);
        EXPECT_EQ(ticksOf(money(c.text)), c.moneyTicks);
    }
    EXPECT_TRUE(std::signbit(*number("-0." + std::string(330, '0') + "1")));

    for (const char* text : {"", " ", "$", "abc", "1e5", "(5)", "1.2.3", ",123", "123,", "1,,2", "1.2,3", ".", "-.",
                             "--5", "- 5", "5%", "1 2"}) {
        EXPECT_EQ(number(text), kNone) << text;
        EXPECT_EQ(money(text), kNone) << text;
    }
}

TEST(Reading, RatesMayEndInAPercentSign)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"29.99%", 29.99},   {"18.9 %", 18.9}, {" 18.9 % ", 18.9}, {"18.90", 18.9}, {"1.%", 1},
        {"APR 18.9", kNone}, {"%", kNone},     {"5%%", kNone},     {"% 5", kNone},  {"$5%", kNone}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(rate(text), expected) << text;
}

TEST(Reading, ToMoneyRoundsToTheNearestTickTiesToEven)
{
    const std::pair<double, std::optional<std::int64_t>> cases[] = {
        {10.0, 100'000},
        {31.5, 315'000},
        {0.00025, 2}, // 2.5 ticks
        {0.00035, 4}, // 3.5 ticks
        {-0.00025, -2},
        {0.000251, 3},
        {-900000000000000.0, -9'000'000'000'000'000'000},
        {9e14, 9'000'000'000'000'000'000},
        {-922337203685477.5808, kMin},
        {922337203685477.5807, kNone}, // 2^63 ticks as a double
        {1e15, kNone},
        {-1e15, kNone},
        {std::numeric_limits<double>::infinity(), kNone},
        {std::numeric_limits<double>::quiet_NaN(), kNone}};
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(ticksOf(toMoney(x)), expected) << x;

    // Whole numbers from 2^52 on have no fraction to round.
    const std::pair<double, double> rounded[] = {{0.5, 0},
                                                 {1.5, 2},
                                                 {-2.5, -2},
                                                 {-2.5000001, -3},
                                                 {4503599627370495.5, 4503599627370496},
                                                 {4503599627370497, 4503599627370497},
                                                 {-4503599627370497, -4503599627370497},
                                                 {9007199254740991, 9007199254740991}};
    for (const auto& [x, expected] : rounded)
        EXPECT_EQ(roundHalfEven(x), expected) << std::to_string(x);
}

TEST(FormatByPattern, ShowsTypedTextInItsBoxPattern)
{
    struct Case {
        std::string typed;
        Pattern pattern;
        std::string shown;
    };
    const Case cases[] = {{"1234.5", Pattern::Money, "$1,234.50"},
                          {"$1,234.5", Pattern::Money, "$1,234.50"},
                          {"0", Pattern::Money, "$0.00"},
                          {"-5", Pattern::Money, "-$5.00"},
                          {"1234567.8", Pattern::Money, "$1,234,567.80"},
                          {"12.346", Pattern::Money, "$12.35"},
                          {"0.125", Pattern::Money, "$0.13"},
                          {"-0.125", Pattern::Money, "-$0.13"},
                          {"999.995", Pattern::Money, "$1,000.00"},
                          {"-0.004", Pattern::Money, "$0.00"},
                          {".5", Pattern::Money, "$0.50"},
                          {"7.", Pattern::Money, "$7.00"},
                          {"100", Pattern::Money, "$100.00"},
                          {"0.12499999999999999999", Pattern::Money, "$0.12"},
                          {"123456789012345678901234.5", Pattern::Money, "$123,456,789,012,345,678,901,234.50"},
                          {"", Pattern::Money, ""},
                          {" ", Pattern::Money, " "},
                          {"abc", Pattern::Money, "abc"},
                          {"12abc", Pattern::Money, "12abc"},
                          {"18%", Pattern::Money, "18%"},
                          {"18.9", Pattern::Rate, "18.90"},
                          {"1,234", Pattern::Rate, "1234.00"},
                          {"19.999", Pattern::Rate, "20.00"},
                          {"-3", Pattern::Rate, "-3.00"},
                          {"$12", Pattern::Rate, "12.00"},
                          {"29.99%", Pattern::Rate, "29.99"},
                          {"18.9 %", Pattern::Rate, "18.90"},
                          {"APR 18.9", Pattern::Rate, "APR 18.9"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(FormatByPattern(c.typed, c.pattern), c.shown);
        EXPECT_EQ(FormatByPattern(c.shown, c.pattern), c.shown); // leaving the box again changes nothing
    }
}

TEST(FormatByPattern, ShowsDoublesAtFifteenDigitsAndAmountsExactly)
{
    const std::pair<double, const char*> doubles[] = {
        {88.84879, "$88.85"},
        {183.0274, "$183.03"},
        {1.005, "$1.01"}, // stored just below 1.005, a half at fifteen digits
        {0.125, "$0.13"},
        {-1234567.891, "-$1,234,567.89"},
        {1e20, "$100,000,000,000,000,000,000.00"},
        {1e-20, "$0.00"},
        {-0.0, "$0.00"}};
    for (const auto& [value, shown] : doubles)
        EXPECT_EQ(FormatByPattern(value, Pattern::Money), shown);
    EXPECT_EQ(FormatByPattern(0.0, Pattern::Rate), "0.00");

    const std::pair<std::int64_t, const char*> amounts[] = {{10'591'078, "$1,059.11"},
                                                            {-23'500'000, "-$2,350.00"},
                                                            {1'250, "$0.13"},
                                                            {1'249, "$0.12"},
                                                            {-49, "$0.00"},
                                                            {kMin, "-$922,337,203,685,477.58"},
                                                            {kMax, "$922,337,203,685,477.58"}};
    for (const auto& [ticks, shown] : amounts)
        EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(ticks), Pattern::Money), shown);
}

} // namespace
} // namespace plenwick
