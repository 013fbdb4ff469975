#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QThreadPool>
// moc stumbles over the standard library's C++20 headers, and needs no types.
#ifndef Q_MOC_RUN
#include "models/plan_inputs.h"
#include "plan/plan_summary.h"
#endif

#include <memory>

namespace plenwick {

// Plans every order off the window's thread, so that typing never waits for
// a plan. Only the latest inputs answer, on the window's thread.
class PlanJob : public QObject {
    Q_OBJECT
public:
    using Answer = std::shared_ptr<const PlanComparison>;

    explicit PlanJob(QObject* parent = nullptr);
    // Nothing the job started outlives it.
    ~PlanJob() override;

    void start(PlanInputs inputs);

signals:
    void finished(std::shared_ptr<const plenwick::PlanComparison> comparison);

private:
    QThreadPool m_pool;
    QFutureWatcher<Answer> m_watcher;
    bool m_busy = false;
    std::optional<PlanInputs> m_waiting; // started once the plan under way is done
};

} // namespace plenwick
