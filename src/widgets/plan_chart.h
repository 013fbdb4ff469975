#pragma once

#include <QChartView>

namespace plenwick {

struct PlanResult;

// The balances of a plan over time: a line per card and, dashed, the total
// still owed when every card is paid as now. A long plan is drawn from a
// sample of its months, at most kMostPoints per line, so it draws as fast as
// a short one.
class PlanChart : public QChartView {
    Q_OBJECT
public:
    static constexpr int kMostPoints = 300;

    explicit PlanChart(QWidget* parent = nullptr);

    // None leaves the chart empty.
    void showPlan(const PlanResult* result);
};

} // namespace plenwick
