#include "calculations/savings.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

const std::string kNotEnough = std::string(kSavingsPaymentsNotEnough);

SavingsOffer harborOffer() { return {"Harbor Rewards", "12", "0", "13.99"}; }

SavingsRow workedRow()
{
    SavingsRow row;
    row.totalDue = "$5,000.00";
    row.interestRate = "18.00";
    row.actualPayment = "$150.00";
    return row;
}

SavingsStep caption(SavingsLabel label, std::string text)
{
    return {SavingsStep::Kind::Caption, label, std::move(text)};
}
SavingsStep notEnough() { return {SavingsStep::Kind::Message, SavingsLabel::Savings1, kNotEnough}; }

std::vector<SavingsStep> resets()
{
    return {caption(SavingsLabel::Savings1, "-"), caption(SavingsLabel::Savings2, "-"),
            caption(SavingsLabel::Savings3, "-")};
}

TEST(SavingsOptions, WorkedExampleWithEveryOptionChosen)
{
    SavingsRow row = workedRow();
    row.monthsItem = "24 months";
    row.amountItem = "$300 ";
    row.offer = harborOffer();

    const auto answer = SavingsOptions(row);
    const std::string sentence =
        "Harbor Rewards would enable you to pay off your card 10 months early and save a total of $1,500.00";
    EXPECT_EQ(answer.savings1, "$1,059.11");
    EXPECT_EQ(answer.savings2, "$1,050.00");
    EXPECT_EQ(answer.savings3, sentence);

    auto expected = resets();
    expected.push_back(caption(SavingsLabel::Savings1, "$1,059.11"));
    expected.push_back(caption(SavingsLabel::Savings2, "$1,050.00"));
    expected.push_back(caption(SavingsLabel::Savings3, sentence));
    EXPECT_EQ(answer.steps, expected);
}

TEST(SavingsOptions, PayingLessOrLongerThanTheBaselineShowsANegativeSaving)
{
    SavingsRow row = workedRow();
    row.amountItem = "$100 ";
    EXPECT_EQ(SavingsOptions(row).savings2, "-$2,350.00");

    SavingsRow small;
    small.totalDue = "$1,000.00";
    small.interestRate = "12.00";
    small.actualPayment = "$100.00";
    small.monthsItem = "24 months";
    EXPECT_EQ(SavingsOptions(small).savings1, "-$29.76");

    // One month past the baseline's 47 still saves nothing: the baseline
    // pays its last, partly used month in full.
    row.monthsItem = "48 months";
    EXPECT_EQ(SavingsOptions(row).savings1, "$0.00");
}

TEST(SavingsOptions, TheLargestListItemsReadAsTheirAmounts)
{
    SavingsRow row = workedRow();
    row.amountItem = "$1,000 ";
    row.monthsItem = "1 months";
    const auto answer = SavingsOptions(row);
    // $1,000 clears $5,000.00 at 1.5 % a month in 6 months.
    EXPECT_EQ(answer.savings2, "$1,050.00");
    // One month: the balance plus one month's interest, 5,075.0000.
    EXPECT_EQ(answer.savings1, "$1,975.00");
}

TEST(SavingsOptions, NothingChosenRunsOnlyTheBaseline)
{
    const auto answer = SavingsOptions(workedRow());
    EXPECT_EQ(answer.savings1, "-");
    EXPECT_EQ(answer.savings2, "-");
    EXPECT_EQ(answer.savings3, "-");
    EXPECT_EQ(answer.steps, resets());

    SavingsRow shortPaid = workedRow();
    shortPaid.actualPayment = "$75.00";
    auto expected = resets();
    expected.push_back(notEnough());
    EXPECT_EQ(SavingsOptions(shortPaid).steps, expected);
}

TEST(SavingsOptions, ACardNeverPaidOffIsComparedOverAThousandMonths)
{
    SavingsRow row = workedRow();
    row.actualPayment = "$75.00"; // exactly the first month's interest
    row.offer = harborOffer();
    row.amountItem = "$25 ";

    const auto answer = SavingsOptions(row);
    const std::string sentence =
        "Harbor Rewards would enable you to pay off your card 900 months early and save a total of $67,500.00";
    auto expected = resets();
    expected.push_back(notEnough());                                   // baseline
    expected.push_back(notEnough());                                   // $25 covers no month's interest
    expected.push_back(caption(SavingsLabel::Savings2, "$50,000.00")); // 75,000 - 25,000
    expected.push_back(notEnough());                                   // baseline again, for the sentence
    expected.push_back(caption(SavingsLabel::Savings3, sentence));
    EXPECT_EQ(answer.steps, expected);
}

TEST(SavingsOptions, AnUnreadablePaymentStopsEveryRunThatUsesIt)
{
    SavingsRow row = workedRow();
    row.actualPayment = "";
    row.monthsItem = "24 months";
    row.offer = harborOffer();

    const auto answer = SavingsOptions(row);
    EXPECT_EQ(answer.savings1, "-$5,990.89"); // nothing paid in the baseline
    EXPECT_EQ(answer.savings3, "-");
    EXPECT_EQ(std::count(answer.steps.begin(), answer.steps.end(), notEnough()), 3);
}

TEST(SavingsOptions, AZeroRateSharesTheBalanceOutEvenlyForFastRepayment)
{
    SavingsRow row;
    row.totalDue = "$1,000.00";
    row.actualPayment = "$100.00";
    row.monthsItem = "5 months";
    for (const char* rate : {"0.00", "", "free"}) {
        row.interestRate = rate;
        // Baseline 10 months of $100; five months of $200: the same total.
        EXPECT_EQ(SavingsOptions(row).savings1, "$0.00") << rate;
    }
}

TEST(SavingsOptions, AnEmptyTotalDueHasNothingToSave)
{
    SavingsRow row = workedRow();
    row.totalDue = "";
    row.monthsItem = "12 months";
    row.amountItem = "$50 ";
    row.offer = harborOffer();

    const auto answer = SavingsOptions(row);
    EXPECT_EQ(answer.savings1, "$0.00");
    EXPECT_EQ(answer.savings2, "$0.00");
    EXPECT_EQ(answer.savings3, "-");
    EXPECT_EQ(std::count(answer.steps.begin(), answer.steps.end(), notEnough()), 0);
}

TEST(SavingsOptions, ThePlaceholderIsNotAnOffer)
{
    SavingsRow row = workedRow();
    row.actualPayment = "$75.00";
    row.offer = SavingsOffer{std::string(kNoCardFound), "", "", "", true};

    auto expected = resets();
    expected.push_back(notEnough());
    EXPECT_EQ(SavingsOptions(row).steps, expected);
}

TEST(SavingsOptions, AnOfferThatIsNoBetterLeavesItsLabelEmpty)
{
    SavingsRow row = workedRow();
    row.offer = SavingsOffer{"Steep Card", "0", "0", "24.99"};
    EXPECT_EQ(SavingsOptions(row).savings3, "-");
    row.offer = SavingsOffer{"Same Card", "", "", "18.00"};
    EXPECT_EQ(SavingsOptions(row).savings3, "-");
}

TEST(SavingsOptions, OfferFieldsThatAreNotNumbersCountAsZero)
{
    SavingsRow row = workedRow();
    row.offer = SavingsOffer{"Plain Card", "", "soon", "n/a"};
    // No interest at all: 5,000 / 150 is 34 payments against 47.
    EXPECT_EQ(SavingsOptions(row).savings3,
              "Plain Card would enable you to pay off your card 13 months early and save a total of $1,950.00");
}

TEST(SavingsOptions, IntroductoryMonthsRoundToTheNearestWholeMonthTiesToEven)
{
    // The offer matches the current card but for its free months.
    SavingsRow row = workedRow();
    row.offer = SavingsOffer{"Twin Card", "0.5", "0", "18.00"};
    EXPECT_EQ(SavingsOptions(row).savings3, "-"); // no free month

    row.offer->introMonths = "2";
    const auto twoFreeMonths = SavingsOptions(row).savings3;
    EXPECT_NE(twoFreeMonths, "-");
    for (const char* months : {"1.5", "2.5", "2.4"}) {
        row.offer->introMonths = months;
        EXPECT_EQ(SavingsOptions(row).savings3, twoFreeMonths) << months;
    }
}

} // namespace
} // namespace plenwick
