#include "money/money_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace plenwick {
namespace {

constexpr std::int64_t kMax = 9'223'372'036'854'775'807, kMin = -kMax - 1;
const auto kNone = std::nullopt;
const std::string kTooSmall = "-0." + std::string(330, '0') + "1";

using Ticks = std::optional<std::int64_t>;

MoneyAmount ticks(std::int64_t count) { return MoneyAmount::fromTicks(count); }
Ticks ticksOf(std::optional<MoneyAmount> amount) { return amount ? std::optional(amount->ticks()) : std::nullopt; }

TEST(MoneyAmount, ArithmeticIsExactFailsOrIsHeldAtTheEnds)
{
    // Running totals (plusTimesHeld) are held at the ends, even when only the product is out of range.
    constexpr auto t = &MoneyAmount::fromTicks;
    auto held = [](std::int64_t a, std::int64_t b, std::int64_t n) { return ticks(a).plusTimesHeld(ticks(b), n); };
    const std::pair<std::optional<MoneyAmount>, Ticks> cases[] = {
        {t(100001).plus(t(-3)), 99998},  {t(100001).minus(t(-3)), 100004},  {t(-700001).times(3), -2100003},
        {t(kMax).plus(t(1)), kNone},     {t(kMin).minus(t(1)), kNone},      {t(0).minus(t(kMin)), kNone},
        {t(kMin).plus(t(kMax)), -1},     {t(kMax).minus(t(kMax)), 0},       {t(kMin).times(-1), kNone},
        {t(kMax).times(-1), kMin + 1},   {t(kMax / 2 + 1).times(2), kNone}, {t(kMin / 2).times(2), kMin},
        {held(4000, 5, 3), 4015},        {held(kMax - 1, 1, 5), kMax},      {held(kMin + 1, -1, 5), kMin},
        {held(kMin, kMax, 2), kMax - 1}, {held(kMin, kMin, kMax), kMin}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(ticksOf(cases[i].first), cases[i].second) << "case " << i;
}

TEST(Reading, NumbersFollowUsEnglishRules)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        {"18.90", 18.9}, {" 12\t", 12}, {"+7.25", 7.25}, {"-5", -5},     {"1,234.56", 1234.56}, {"1,2,3,4", 1234},
        {"0012", 12},    {".5", 0.5},   {"1.", 1},       {"1e5", kNone}, {"$5", kNone},         {"5%", kNone}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(number(text), expected) << text;
    EXPECT_EQ(number(std::string(40, '9')), 1e40);
    EXPECT_EQ(number(std::string(400, '9')), kNone);
    EXPECT_TRUE(std::signbit(number(kTooSmall).value()));
    // A text cut from a longer one ends where it ends.
    EXPECT_EQ(number(std::string_view("1,5").substr(0, 2)), kNone);
    EXPECT_EQ(number(std::string_view("5.5").substr(0, 1)), 5);
    EXPECT_EQ(number(std::string_view("1.5").substr(0, 2)), 1);

    for (const char* text : {"", " ", "abc", "(5)", "1.2.3", ",123", "123,", "1,,2", "1.2,3", "1,.5", ".", "-.", "--5",
                             "- 5", "1 2", "$"}) {
        EXPECT_EQ(number(text), kNone) << text;
        EXPECT_EQ(money(text), kNone) << text;
    }
}

TEST(Reading, MoneyDropsDollarSignsAndRoundsToTheNearestTickTiesToEven)
{
    const std::pair<const char*, Ticks> cases[] = {
        {"$1,234.56", 12345600}, {"$1,000 ", 10000000}, {"-$5.00", -50000}, {"5$$", 50000},     {"1.", 10000},
        {"0.00005", 0},          {"0.00011", 1},        {"0.00015", 2},     {"0.000050001", 1}, {"-0.00015", -2}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ticksOf(money(text)), expected) << text;
    EXPECT_EQ(ticksOf(money(kTooSmall)), 0);

    // The ends of the range.
    EXPECT_EQ(ticksOf(money("922,337,203,685,477.5807")), kMax);
    EXPECT_EQ(ticksOf(money("-922,337,203,685,477.5808")), kMin);
    for (const char* text : {"922,337,203,685,477.5808", "-922,337,203,685,477.5809", "922,337,203,685,477.58075",
                             "99999999999999999999.99999", "9999999999999999999999999999999999999999"})
        EXPECT_EQ(money(text), kNone) << text;

    const std::pair<const char*, std::optional<double>> rates[] = {
        {"29.99%", 29.99},   {"18.9 %", 18.9}, {" 18.9 % ", 18.9}, {"18.90", 18.9}, {"1.%", 1},
        {"APR 18.9", kNone}, {"%", kNone},     {"5%%", kNone},     {"% 5", kNone},  {"$5%", kNone}};
    for (const auto& [text, expected] : rates)
        EXPECT_EQ(rate(text), expected) << text;
}

TEST(Reading, ToMoneyRoundsToTheNearestTickTiesToEven)
{
    // 0.00025 is 2.5 ticks; 2^63 ticks is just past the largest amount.
    const std::pair<double, Ticks> cases[] = {{31.5, 315000},       {0.00025, 2},  {0.00035, 4},
                                              {-0.00025, -2},       {0.000251, 3}, {-9e14, -9000000000000000000},
                                              {INFINITY, kNone},    {NAN, kNone},  {-0x1p63 / 1e4, kMin},
                                              {0x1p63 / 1e4, kNone}};
    for (const auto& [x, expected] : cases)
        EXPECT_EQ(ticksOf(toMoney(x)), expected) << x;

    // Whole numbers from 2^52 on have no fraction to round.
    const std::pair<double, double> rounded[] = {{0.5, 0}, {1.5, 2}, {-2.5, -2}, {-2.5000001, -3}};
    for (const auto& [x, expected] : rounded)
        EXPECT_EQ(roundHalfEven(x), expected) << x;
    EXPECT_EQ(roundHalfEven(4503599627370495.5), 4503599627370496);
    for (const double whole : {4503599627370497.0, -4503599627370497.0})
        EXPECT_EQ(roundHalfEven(whole), whole) << std::to_string(whole);
}

TEST(FormatByPattern, ShowsTypedTextInItsBoxPattern)
{
    // "typed|shown"
    const std::pair<Pattern, std::vector<std::string>> boxes[] = {
        {Pattern::Money,
         {"1234.5|$1,234.50", "$1,234.5|$1,234.50", "-5|-$5.00", "12.346|$12.35", "0.125|$0.13", "-0.125|-$0.13",
          ".5|$0.50", "999.995|$1,000.00", "-0.004|$0.00", "7.|$7.00", "18%|18%", "1234567.8|$1,234,567.80", "|", " | ",
          "abc|abc", "12abc|12abc", "0.12499999999999999999|$0.12",
          "123456789012345678901234.5|$123,456,789,012,345,678,901,234.50"}},
        {Pattern::Rate,
         {"18.9|18.90", "1,234|1234.00", "19.999|20.00", "-3|-3.00", "$12|12.00", "29.99%|29.99", "18.9 %|18.90",
          "APR 18.9|APR 18.9"}}};
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
    const std::pair<double, const char*> doubles[] = {
        {88.84879, "$88.85"}, {183.0274, "$183.03"}, {1.005, "$1.01"},  {0.005, "$0.01"},
        {1e-20, "$0.00"},     {-0.0, "$0.00"},       {INFINITY, "inf"}, {-1234567.891, "-$1,234,567.89"}};
    for (const auto& [value, shown] : doubles)
        EXPECT_EQ(FormatByPattern(value, Pattern::Money), shown);
    EXPECT_EQ(FormatByPattern(1e20, Pattern::Money), "$100,000,000,000,000,000,000.00");
    EXPECT_EQ(FormatByPattern(0.0, Pattern::Rate), "0.00");

    const std::pair<std::int64_t, const char*> amounts[] = {
        {10591078, "$1,059.11"}, {-23500000, "-$2,350.00"}, {1250, "$0.13"}, {1249, "$0.12"}, {-49, "$0.00"}};
    EXPECT_EQ(FormatByPattern(ticks(kMin), Pattern::Money), "-$922,337,203,685,477.58");
    for (const auto& [count, shown] : amounts)
        EXPECT_EQ(FormatByPattern(ticks(count), Pattern::Money), shown);
    EXPECT_EQ(FormatByPattern(ticks(kMax), Pattern::Rate), "922337203685477.58");
}

} // namespace
} // namespace plenwick
