#include "calculations/savings.h"
#include "money/money_text.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

const SavingsOffer kHarbor{"Harbor Rewards", "12", "0", "13.99"};

std::string sentence(const std::string& name, int months, const std::string& saving)
{
    return name + " would enable you to pay off your card " + std::to_string(months) +
           " months early and save a total of " + saving;
}

TEST(SavingsOptions, MeasuresEachChosenOptionAgainstTheBaseline)
{
    // The worked card, $5,000.00 at 18 % paying $150.00 (47 months), against the Twin Card.
    const auto twin = [](const char* introMonths) {
        return SavingsRow{"$5,000.00", "18.00", "$150.00",
                          {},          {},      SavingsOffer{"Twin Card", introMonths, "0", "18.00"}};
    };
    // The row, the three savings shown, and the steps on the way: a caption
    // written into label 0, 1 or 2, or M for the not-enough message.
    const std::tuple<SavingsRow, std::string, std::string, std::string, std::string> cases[] = {
        {{"$5,000.00", "18.00", "$150.00", "24 months", "$300 ", kHarbor},
         "$1,059.11",
         "$1,050.00",
         sentence("Harbor Rewards", 10, "$1,500.00"),
         "012012"},
        {{"$5,000.00", "18.00", "$150.00", "48 months", "$100 ", {}}, "$0.00", "-$2,350.00", "-", "01201"},
        // No interest (the rate cannot be read): ten payments of $100 cost what five of $200 do.
        {{"$1,000.00", "free", "$100.00", "5 months", {}, {}}, "$0.00", "-", "-", "0120"},
        {{"", "18.00", "$150.00", "12 months", "$50 ", kHarbor}, "$0.00", "$0.00", "-", "01201"},
        // Never paid off: every run is counted as 1000 months of payments. The
        // baseline, $25 (it covers no month's interest), and the baseline again
        // for the sentence each show the message.
        {{"$5,000.00", "18.00", "$75.00", {}, "$25 ", kHarbor},
         "-",
         "$50,000.00",
         sentence("Harbor Rewards", 900, "$67,500.00"),
         "012MM1M2"},
        // The placeholder is no offer.
        {{"$5,000.00", "18.00", "$75.00", {}, {}, SavingsOffer{"No Card found", "", "", "", true}},
         "-",
         "-",
         "-",
         "012M"},
        // Offer fields that are not numbers count as 0: 67 payments against 1000.
        {{"$5,000.00", "18.00", "$75.00", {}, {}, SavingsOffer{"Plain", "", "soon", "n/a"}},
         "-",
         "-",
         sentence("Plain", 933, "$69,975.00"),
         "012MM2"},
        // Introductory months round to the nearest whole month, ties to even;
        // a count past the 32-bit range is no count at all.
        {twin("2.5"), "-", "-", sentence("Twin Card", 2, "$300.00"), "0122"},
        {twin("soon"), "-", "-", "-", "012"},
        {twin("1"), "-", "-", sentence("Twin Card", 1, "$150.00"), "0122"},
        {twin("2147483647"), "-", "-", sentence("Twin Card", 13, "$1,950.00"), "0122"},
        {twin("2147483648"), "-", "-", "-", "012"},
        // A saving past the range of money is not shown.
        {{"$900,000,000,000,000.00", "18.00", "$922,337,203,685.47", {}, "-$1,000 ", {}}, "-", "-", "-", "012MM"},
        // Runs past the bound on months count as never paid off, without the
        // message: the payment covers the interest.
        {{"$100,000,000,000.00",
          "0.0000000012",
          "$0.11",
          {},
          "$1,000 ",
          SavingsOffer{"Tiny", "0", "0", "0.0000000012"}},
         "-",
         "-$999,890.00",
         "-",
         "0121"},
    };
    for (const auto& [row, fast, bigger, switching, steps] : cases) {
        SCOPED_TRACE(row.totalDue + " at " + row.interestRate + " paying " + row.actualPayment);
        const auto answer = SavingsOptions(row);
        std::string shown;
        for (const SavingsStep& step : answer.steps)
            shown += step.kind == SavingsStep::Kind::Caption  ? char('0' + static_cast<int>(step.label))
                     : step.text == kSavingsPaymentsNotEnough ? 'M'
                                                              : '?';
        EXPECT_EQ(std::tie(answer.savings1, answer.savings2, answer.savings3, shown),
                  std::tie(fast, bigger, switching, steps));
    }
}

// The interest each option saves, against the plain month-by-month run.
TEST(SavingsOptions, SayWhatTheFasterAndBiggerRepaymentsSaveInInterest)
{
    const auto interest = [](const char* payment) {
        return PayoffRunPlain(*money("5000"), RatePlan::constant(18), money(payment)).interest;
    };
    const SavingsAnswer answer = SavingsOptions({"$5,000.00", "18.00", "$150.00", "24 months", "$300 ", {}});
    EXPECT_EQ(answer.fastInterest,
              "Interest saved: " + FormatByPattern(*interest("150").minus(*money("990.8922")), Pattern::Money));
    EXPECT_EQ(answer.biggerInterest,
              "Interest saved: " + FormatByPattern(*interest("150").minus(interest("300")), Pattern::Money));
    EXPECT_TRUE(
        SavingsOptions({"$5,000.00", "18.00", "$150.00", {}, "$100 ", {}}).biggerInterest.ends_with(" more interest"));
    EXPECT_EQ(SavingsOptions({"$5,000.00", "18.00", "$150.00", {}, "$150 ", {}}).biggerInterest,
              "Interest saved: $0.00");
    EXPECT_EQ(SavingsOptions({"$5,000.00", "18.00", "$75.00", "1 month", {}, {}}).fastInterest, ""); // never ends now
    EXPECT_EQ(MonthsOfItem("1 month"), 1.0);
}

} // namespace
} // namespace plenwick
