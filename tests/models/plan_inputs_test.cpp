#include "models/plan_inputs.h"
#include "models/plan_job.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

const CalendarMonth kFirst{2027, 1};

CardBook twoCards()
{
    CardBook cards;
    cards[0] = {{"Harbor Gold", "", "12", "$1,000.00", "$25.00", "$100.00"}};
    cards[2] = {{"", "", "0", "$300.00", "", "$50.00"}};
    return cards;
}

SavedPlan withLoan(const QString& balance = "$5,000")
{
    SavedPlan saved;
    saved.otherDebts = {{"debt 1", "Car loan", balance, "6.9", "$250", {}, {}}, {"debt 2", "", "", "", "", {}, {}}};
    return saved;
}

TEST(PlanInputs, TakeTheCardsThenTheOtherDebtsAndWhatThePersonChose)
{
    SavedPlan saved = withLoan();
    saved.order = "My own order";
    saved.ownOrder = {"debt 1", "card 3", "nobody"};
    saved.cardMinimums[0] = {kMinimumPercentPlusInterest, "1", "$40", {}};
    saved.changes = {{false, "May 2027", "$900", {}}, {true, "2027-02", "-$10", {}}};
    saved.moves[2] = {"Zero", 12, 0, 19.99, "9.0000", {}};
    const PlanInputs inputs = readPlanInputs(twoCards(), saved, kFirst).inputs.value();
    EXPECT_EQ(inputs.keys, (QStringList{"card 1", "card 3", "debt 1"}));
    EXPECT_EQ(inputs.debts.at(2).actualPayment, money("250")); // a loan pays its fixed payment
    EXPECT_EQ(inputs.debts.at(2).row, 5U);                     // never one of the cards' rows
    EXPECT_EQ(inputs.budget, money("400"));                    // what is paid now: 100 + 50 + 250
    EXPECT_EQ(inputs.strategy, PlanStrategy::OwnOrder);
    EXPECT_EQ(inputs.options.ownOrder, (std::vector<std::size_t>{2, 1}));
    EXPECT_EQ(inputs.debts.at(0).minimumRule, (MinimumRule{MinimumRule::Kind::PercentPlusInterest, 1, *money("40")}));
    EXPECT_EQ(inputs.options.budgetChanges.at(0).from, (CalendarMonth{2027, 5}));
    EXPECT_EQ(inputs.options.extraPayments.at(0).amount, money("-10"));
    EXPECT_EQ(inputs.moves.at(2).transferFee, money("9"));
    EXPECT_EQ(offerMoveOf(offerMoveTexts(inputs.moves.at(2))), inputs.moves.at(2));
    EXPECT_EQ(readPlanInputs(twoCards(), withLoan("$0"), kFirst).inputs->debts.size(), 2U); // owes nothing
}

TEST(PlanInputs, NameTheDebtTheBoxAndWhatWasTypedWhenItCannotBeRead)
{
    const auto problem = [](const std::function<void(CardBook&, SavedPlan&)>& change) {
        CardBook cards = twoCards();
        SavedPlan saved = withLoan();
        change(cards, saved);
        return readPlanInputs(cards, saved, kFirst).problem.toStdString();
    };
    using P = std::pair<std::function<void(CardBook&, SavedPlan&)>, const char*>;
    const P cases[] = {
        {[](CardBook& c, SavedPlan&) { c[2][CardRow::TotalDue] = "lots"; },
         "Card 3: the Total Due \"lots\" is not a number"},
        {[](CardBook&, SavedPlan& s) { s.otherDebts[0].balance = "x"; },
         "Car loan: the Balance \"x\" is not an amount, such as $1,200.00"},
        {[](CardBook&, SavedPlan& s) { s.otherDebts[1].minimum = "z"; },
         "Other debt 2: the Balance \"\" is not an amount, such as $1,200.00"},
        {[](CardBook&, SavedPlan& s) {
             s.otherDebts[0].minimumRule = {kMinimumPercent, "101", "", {}};
         },
         "Car loan: the minimum's percent \"101\" is not a percent from 0 to 100"},
        {[](CardBook&, SavedPlan& s) {
             s.changes = {{true, "Smarch 2027", "$5", {}}};
         },
         "Extra payment 1: the month \"Smarch 2027\" is not a month, such as May 2027"},
        {[](CardBook&, SavedPlan& s) {
             s.changes = {{false, "2026-12", "$5", {}}};
         },
         "Budget change 1: December 2026 is before the plan's first month, January 2027"},
        {[](CardBook&, SavedPlan& s) {
             s.changes = {{false, "2027-01", "-$5", {}}};
         },
         "Budget change 1: a budget of -$5.00 is below nothing"},
        {[](CardBook&, SavedPlan& s) { s.budget = "soon"; }, "Enter the monthly budget as an amount, such as $500.00."},
    };
    for (const auto& [change, message] : cases)
        EXPECT_EQ(problem(change), message);
}

TEST(PlanJob, OnlyTheLatestInputsAnswer)
{
    PlanJob job;
    QSignalSpy answers(&job, &PlanJob::finished);
    PlanInputs inputs = readPlanInputs(twoCards(), {}, kFirst).inputs.value();
    for (const char* budget : {"150", "200", "300", "1,400"}) { // the window does not wait between them
        inputs.budget = *money(budget);
        job.start(inputs);
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return !answers.isEmpty() && answers.last().at(0).value<PlanJob::Answer>()->chosen.plan.months == 1; }));
    QTest::qWait(50);
    EXPECT_LE(answers.size(), 2); // the first, perhaps, and the last; never one in between
}

} // namespace
} // namespace plenwick
