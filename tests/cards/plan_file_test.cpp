#include "cards/plan_file.h"

#include <gtest/gtest.h>

namespace plenwick {
namespace {

SavedPlan fullPlan()
{
    SavedPlan plan;
    plan.budget = "$450.00";
    plan.order = "My own order";
    plan.ownOrder = {"debt 1", cardKey(2), cardKey(0)};
    plan.otherDebts = {{"debt 1", "Car loan", "$8,000.00", "6.9", "$250.00", {kMinimumAsTyped, "", "", {}}, {}}};
    plan.cardMinimums[2] = {kMinimumPercentPlusInterest, "1", "$40.00", {}};
    plan.changes = {{false, "2027-05", "$600.00", {}}, {true, "2027-04", "-$50.00", {}}};
    plan.moves[0] = {"Zero Intro", 12, 0, 19.99, "30.0000", {}};
    return plan;
}

TEST(PlanFile, ReadsBackWhatItWritesAndKeepsFieldsItDoesNotKnow)
{
    EXPECT_EQ(readPlanFile(planFileBytes(fullPlan())).plan, fullPlan());
    const QByteArray later = R"({"version": 1, "theme": "dark", "budget": "$5",
        "otherDebts": [{"name": "Loan", "colour": "red", "minimumRule": {"kind": "percent", "cap": 9}}],
        "changes": [{"kind": "extra", "month": "2027-01", "amount": "$5", "note": "refund"}],
        "cardMinimums": [{"row": 1, "kind": "percent", "percent": "2", "floor": "$25"}, {"row": 5}],
        "offerMoves": [{"row": 4, "offerName": "Zero", "introMonths": 6, "via": "web"}, {"row": -1}]})";
    // What the round trip above does not show: another kind of minimum, and rows out of range left out.
    const SavedPlan plan = readPlanFile(later).plan.value();
    EXPECT_EQ(plan.otherDebts.at(0).minimumRule.kind, kMinimumPercent);
    EXPECT_EQ(plan.cardMinimums.size(), 1U);
    EXPECT_EQ(plan.moves.size(), 1U);
    const QByteArray again = planFileBytes(plan);
    for (const char* kept :
         {"\"theme\": \"dark\"", "\"colour\": \"red\"", "\"cap\": 9", "\"note\": \"refund\"", "\"via\": \"web\""})
        EXPECT_TRUE(again.contains(kept)) << kept;
}

TEST(PlanFile, RefusesWhatIsNoPlanOrANewerVersion)
{
    // A plan without a version and one of a newer version are read by the plan store's tests.
    const std::pair<const char*, const char*> cases[] = {
        {"{\"budget\": \"$5\"", "it is not a plan file ("},
        {"[1, 2]", "it is not a plan file"},
    };
    for (const auto& [bytes, problem] : cases) {
        const ReadPlan read = readPlanFile(bytes);
        EXPECT_FALSE(read.plan) << bytes;
        EXPECT_TRUE(read.problem.startsWith(problem)) << read.problem.toStdString();
    }
}

} // namespace
} // namespace plenwick
