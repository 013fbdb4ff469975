#include "models/plan_job.h"

#include <QtConcurrent/QtConcurrentRun>

namespace plenwick {

PlanJob::PlanJob(QObject* parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
    // A plan takes milliseconds: the one under way finishes, and only then
    // does the latest inputs' plan start; answers of inputs since replaced
    // are never shown.
    connect(&m_watcher, &QFutureWatcherBase::finished, this, [this] {
        m_busy = false;
        if (m_waiting) {
            start(*std::exchange(m_waiting, std::nullopt));
            return;
        }
        if (m_watcher.future().resultCount() > 0)
            emit finished(m_watcher.result());
    });
}

PlanJob::~PlanJob() { m_pool.waitForDone(); }

void PlanJob::start(PlanInputs inputs)
{
    // Busy until its answer is handled here, not only until the worker is done.
    if (m_busy) {
        m_waiting = std::move(inputs);
        return;
    }
    m_busy = true;
    m_watcher.setFuture(QtConcurrent::run(&m_pool, [inputs = std::move(inputs)] {
        return Answer(std::make_shared<const PlanComparison>(ComparePlans(
            inputs.debts, inputs.moves, inputs.budget, inputs.strategy, inputs.firstMonth, inputs.options)));
    }));
}

} // namespace plenwick
