#include "money/money_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace plenwick {
namespace {

constexpr std::int64_t kMax = 9'223'372'036'854'775'807, kMin = -kMax - 1;
const auto kNone = std::nullopt;

using Ticks = std::optional<std::int64_t>;

Ticks ticksOf(std::optional<MoneyAmount> amount) { return amount ? std::optional(amount->ticks()) : std::nullopt; }

TEST(Reading, NumbersFollowUsEnglishRules)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {" 12\t", 12}, {"+7.25", 7.25}, {"-5", -5}, {"1,234.56", 1234.56}, {".5", 0.5}, {"1.", 1},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(number(text), expected) << text;
    EXPECT_EQ(number(std::string(400, '9')), kNone);
    EXPECT_EQ(number("-0." + std::string(330, '0') + "1"), 0); // too small for a double
    // A text cut from a longer one ends where it ends.
    EXPECT_EQ(number(std::string_view("1,5").substr(0, 2)), kNone);
    EXPECT_EQ(number(std::string_view("1.55").substr(0, 3)), 1.5);

    for (const char* text :
         {"", "abc", "1e5", "$5", "5%", "1.2.3", ",123", "123,", "1,,2", "1.2,3", "1,.5", ".", "-.", "--5", "1 2"})
        EXPECT_EQ(number(text), kNone) << text;
}

TEST(Reading, MoneyDropsDollarSignsAndRoundsToTheNearestTickTiesToEven)
{
    const std::pair<const char*, Ticks> cases[] = {
        {"$1,234.56", 12345600},
        {"-$5.00", -50000},
        {"5$$", 50000},
        {"$", kNone},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.000050001", 1},
        {"-0.00015", -2},
        {"922,337,203,685,477.5807", kMax},
        {"-922,337,203,685,477.5808", kMin},
        {"922,337,203,685,477.5808", kNone},
        {"-922,337,203,685,477.5809", kNone},
        {"922,337,203,685,477.58075", kNone},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ticksOf(money(text)), expected) << text;

    const std::pair<const char*, std::optional<double>> rates[] = {
        {"29.99%", 29.99}, {" 18.9 % ", 18.9}, {"18.90", 18.9}, {"%", kNone}, {"5%%", kNone}, {"APR 18.9", kNone}};
    for (const auto& [text, expected] : rates)
        EXPECT_EQ(rate(text), expected) << text;
}

TEST(Reading, ToMoneyRoundsToTheNearestTickTiesToEven)
{
    // 0.00025 is 2.5 ticks; 2^63 ticks is just past the largest amount.
    const std::pair<double, Ticks> cases[] = {{0.00025, 2}, {0.00035, 4},          {-0.00025, -2},
                                              {NAN, kNone}, {-0x1p63 / 1e4, kMin}, {0x1p63 / 1e4, kNone}};
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(ticksOf(toMoney(x)), expected) << x;

    // Whole numbers from 2^52 on have no fraction to round.
    EXPECT_EQ(roundHalfEven(4503599627370497.0), 4503599627370497.0);
}

TEST(FormatByPattern, ShowsTypedTextInItsBoxPattern)
{
    // "typed|shown"
    const std::pair<Pattern, std::vector<std::string>> boxes[] = {
        {Pattern::Money,
         {"1234.5|$1,234.50", "-5|-$5.00", "0.125|$0.13", "-0.125|-$0.13", ".5|$0.50", "999.995|$1,000.00",
          "-0.004|$0.00", "18%|18%", "1234567.8|$1,234,567.80", "|", "abc|abc", "0.12499999999999999999|$0.12",
          "123456789012345678901234.5|$123,456,789,012,345,678,901,234.50"}},
        {Pattern::Rate, {"18.9|18.90", "1,234|1234.00", "$12|12.00", "29.99%|29.99", "APR 18.9|APR 18.9"}}};
    for (const auto& [pattern, rows] : boxes)
        for (const std::string& row : rows) {
            const std::string typed = row.substr(0, row.find('|')), shown = row.substr(row.find('|') + 1);
            EXPECT_EQ(FormatByPattern(typed, pattern), shown) << typed;
            EXPECT_EQ(FormatByPattern(shown, pattern), shown) << typed; // leaving the box again changes nothing
        }
}

TEST(FormatByPattern, ShowsDoublesAtFifteenDigitsAndAmountsExactly)
{
    // 1.005 is stored just below 1.005, but is a half at fifteen digits.
    const std::pair<double, const char*> doubles[] = {{88.84879, "$88.85"},
                                                      {1.005, "$1.01"},
                                                      {0.0125, "$0.01"},
                                                      {INFINITY, "inf"},
                                                      {-1234567.891, "-$1,234,567.89"},
                                                      {1e20, "$100,000,000,000,000,000,000.00"}};
    for (const auto& [value, shown] : doubles)
        EXPECT_EQ(FormatByPattern(value, Pattern::Money), shown);

    const std::pair<std::int64_t, const char*> amounts[] = {
        {1250, "$0.13"}, {1249, "$0.12"}, {-49, "$0.00"}, {kMin, "-$922,337,203,685,477.58"}};
    for (const auto& [count, shown] : amounts)
        EXPECT_EQ(FormatByPattern(MoneyAmount::fromTicks(count), Pattern::Money), shown);
}

} // namespace
} // namespace plenwick
