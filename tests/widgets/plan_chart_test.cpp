#include "widgets/plan_chart.h"

#include "plan/plan_cases.h"
#include "plan/plan_summary.h"

#include <QCategoryAxis>
#include <QLineSeries>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(PlanChart, DrawsALinePerCardAndPayingAsNowFromASampleOfALongPlan)
{
    PlanChart chart;
    const PlanResult result = BuildPlanWithMoves({card(12, "1000", "25"), card(0, "100,000", "20")}, {}, dollars("45"),
                                                 PlanStrategy::HighestRateFirst, {2026, 4});
    ASSERT_EQ(result.plan.months, 1200);
    chart.showPlan(&result);
    const QList<QAbstractSeries*> lines = chart.chart()->series();
    ASSERT_EQ(lines.size(), 3);
    for (QAbstractSeries* line : lines)
        EXPECT_LE(static_cast<QLineSeries*>(line)->count(), PlanChart::kMostPoints + 1);
    auto* owed = static_cast<QCategoryAxis*>(chart.chart()->axes(Qt::Vertical).at(0));
    EXPECT_TRUE(owed->categoriesLabels().contains("$20,000")); // money as everywhere else
    chart.showPlan(nullptr);
    EXPECT_TRUE(chart.chart()->series().isEmpty());
}

} // namespace
} // namespace plenwick
