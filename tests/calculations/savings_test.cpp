#include "calculations/savings.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace plenwick {
namespace {

const SavingsOffer kHarbor{"Harbor Rewards", "12", "0", "13.99"};

SavingsRow card(std::string totalDue, std::string rate, std::string payment,
                std::optional<std::string> months = std::nullopt, std::optional<std::string> amount = std::nullopt,
                std::optional<SavingsOffer> offer = std::nullopt)
{
    return {std::move(totalDue), std::move(rate),   std::move(payment),
            std::move(months),   std::move(amount), std::move(offer)};
}

// The worked card, $5,000.00 at 18 % paying $150.00 (47 months), against an offer.
SavingsRow against(SavingsOffer offer) { return card("$5,000.00", "18.00", "$150.00", {}, {}, std::move(offer)); }

std::string sentence(const std::string& name, int months, const std::string& saving)
{
    return name + " would enable you to pay off your card " + std::to_string(months) +
           " months early and save a total of " + saving;
}

TEST(SavingsOptions, MeasuresEachChosenOptionAgainstTheBaseline)
{
    const std::string worked = sentence("Harbor Rewards", 10, "$1,500.00");
    const auto twin = [](const char* introMonths) { return against({"Twin Card", introMonths, "0", "18.00"}); };
    // The row, the three savings shown, and how many messages are shown on the way.
    const std::tuple<SavingsRow, std::string, std::string, std::string, int> cases[] = {
        {card("$5,000.00", "18.00", "$150.00", "24 months", "$300 ", kHarbor), "$1,059.11", "$1,050.00", worked, 0},
        {card("$5,000.00", "18%", "$150.00", {}, {}, SavingsOffer{"Harbor", "12", "0 %", "13.99%"}), "-", "-",
         sentence("Harbor", 10, "$1,500.00"), 0},
        {card("$5,000.00", "18.00", "$150.00", "48 months", "$100 "), "$0.00", "-$2,350.00", "-", 0},
        {card("$5,000.00", "18.00", "$150.00", "1 months", "$1,000 "), "$1,975.00", "$1,050.00", "-", 0},
        {card("$1,000.00", "12.00", "$100.00", "24 months"), "-$29.76", "-", "-", 0},
        {card("$5,000.00", "18.00", "$150.00", "soon"), "$7,050.00", "-", "-", 0},
        {card("$5,000.00", "18.00", "$150.00"), "-", "-", "-", 0},
        // Never paid off: every run is counted as 1000 months of payments.
        {card("$5,000.00", "18.00", "$75.00"), "-", "-", "-", 1},
        {card("$5,000.00", "18.00", "$75.00", {}, "$25 ", kHarbor), "-", "$50,000.00",
         sentence("Harbor Rewards", 900, "$67,500.00"), 3},
        {card("$5,000.00", "18.00", "", "24 months", {}, kHarbor), "-$5,990.89", "-", "-", 3},
        // No interest: ten payments of $100 cost what five of $200 do.
        {card("$1,000.00", "0.00", "$100.00", "5 months"), "$0.00", "-", "-", 0},
        {card("$1,000.00", "free", "$100.00", "5 months"), "$0.00", "-", "-", 0},
        {card("", "18.00", "$150.00", "12 months", "$50 ", kHarbor), "$0.00", "$0.00", "-", 0},
        {card("$5,000.00", "18.00", "$75.00", {}, {}, SavingsOffer{"No Card found", "", "", "", true}), "-", "-", "-",
         1},
        {against(SavingsOffer{"Steep", "0", "0", "24.99"}), "-", "-", "-", 0},
        // Offer fields that are not numbers count as 0: 67 payments against 1000.
        {card("$5,000.00", "18.00", "$75.00", {}, {}, SavingsOffer{"Plain", "", "soon", "n/a"}), "-", "-",
         sentence("Plain", 933, "$69,975.00"), 2},
        {against(SavingsOffer{"Soon", "soon", "0", "18.00"}), "-", "-", "-", 0},
        {against(SavingsOffer{"Odd", "12", "n/a", "13.99"}), "-", "-", sentence("Odd", 10, "$1,500.00"), 0},
        // Introductory months round to the nearest whole month, ties to even;
        // a count past the 32-bit range is no count at all.
        {twin("0.5"), "-", "-", "-", 0},
        {twin("1"), "-", "-", sentence("Twin Card", 1, "$150.00"), 0},
        {twin("2.5"), "-", "-", sentence("Twin Card", 2, "$300.00"), 0},
        {twin("2147483647"), "-", "-", sentence("Twin Card", 13, "$1,950.00"), 0},
        {twin("2147483648"), "-", "-", "-", 0},
        {twin("99999999999"), "-", "-", "-", 0},
        // A saving past the range of money is not shown.
        {card("$900,000,000,000,000.00", "18.00", "$922,337,203,685.47", {}, "-$1,000 "), "-", "-", "-", 2},
        // Runs past the bound on months count as never paid off, without the
        // message: the payment covers the interest.
        {card("$100,000,000,000.00", "0.0000000012", "$0.11", {}, "$1,000 ",
              SavingsOffer{"Tiny", "0", "0", "0.0000000012"}),
         "-", "-$999,890.00", "-", 0},
    };
    for (const auto& [row, fast, bigger, switching, messages] : cases) {
        SCOPED_TRACE(row.totalDue + " at " + row.interestRate + " paying " + row.actualPayment);
        const auto answer = SavingsOptions(row);
        EXPECT_EQ(std::tuple(answer.savings1, answer.savings2, answer.savings3,
                             std::ranges::count(answer.steps, SavingsStep::Kind::Message, &SavingsStep::kind)),
                  std::tuple(fast, bigger, switching, messages));
    }
}

TEST(SavingsOptions, ShowsCaptionsAndMessagesAsTheyHappen)
{
    std::vector<std::string> shown;
    for (const SavingsStep& step : SavingsOptions(card("$5,000.00", "18.00", "$75.00", {}, "$25 ", kHarbor)).steps)
        shown.push_back(step.kind == SavingsStep::Kind::Message
                            ? (step.text == kSavingsPaymentsNotEnough ? "message" : "?")
                            : std::to_string(static_cast<int>(step.label)) + " " + step.text);
    // The baseline, $25 (it covers no month's interest), and the baseline
    // again for the sentence each show the message.
    EXPECT_EQ(shown, (std::vector<std::string>{"0 -", "1 -", "2 -", "message", "message", "1 $50,000.00", "message",
                                               "2 " + sentence("Harbor Rewards", 900, "$67,500.00")}));
}

} // namespace
} // namespace plenwick

namespace plenwick {
namespace {

// The interest each option saves, against the plain month-by-month run.
TEST(SavingsOptions, SayWhatTheFasterAndBiggerRepaymentsSaveInInterest)
{
    const auto interest = [](const char* payment) {
        return PayoffRunPlain(*money("5000"), RatePlan::constant(18), money(payment)).interest;
    };
    const SavingsAnswer answer = SavingsOptions(card("$5,000.00", "18.00", "$150.00", "24 months", "$300 "));
    EXPECT_EQ(answer.fastInterest,
              "Interest saved: " + FormatByPattern(*interest("150").minus(*money("990.8922")), Pattern::Money));
    EXPECT_EQ(answer.biggerInterest,
              "Interest saved: " + FormatByPattern(*interest("150").minus(interest("300")), Pattern::Money));
    EXPECT_EQ(SavingsOptions(card("$5,000.00", "18.00", "$150.00", {}, "$100 ")).biggerInterest.substr(0, 1),
              "$");                                                                              // "$... more interest"
    EXPECT_EQ(SavingsOptions(card("$5,000.00", "18.00", "$75.00", "1 month")).fastInterest, ""); // never ends as now
    EXPECT_EQ(MonthsOfItem("1 month"), 1.0);
}

} // namespace
} // namespace plenwick
