#include "app/offer_ranking_job.h"

#include "plan/offer_terms.h"

#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <array>
#include <atomic>

namespace plenwick {

namespace {

using Answer = std::shared_ptr<const RankedOffers>;

OfferTexts textsOf(const OfferRecord& record)
{
    return {record.cardName.toStdString(),   record.detailsAddress.toStdString(), record.introMonths.toStdString(),
            record.introRate.toStdString(),  record.regularRate.toStdString(),    record.annualFee.toStdString(),
            record.transferFee.toStdString()};
}

// Runs on a worker: the second half of the list goes to the pool's other
// thread while this one takes the first.
void rankOnWorkers(QPromise<Answer>& promise, QThreadPool* pool, std::vector<DebtCard> cards, OfferList list)
{
    auto ranked = std::make_shared<RankedOffers>();
    ranked->cards = std::move(cards);
    ranked->offers.reserve(list.size());
    for (const OfferRecord& record : list)
        ranked->offers.push_back(RankOfferFromTexts(textsOf(record)));
    list = {};

    const std::size_t total = ranked->offers.size();
    promise.setProgressRange(0, static_cast<int>(total));
    std::array<std::atomic<std::size_t>, 2> done{};
    const auto controlOf = [&](std::size_t part) {
        RankingControl control;
        control.cancelled = [&promise] { return promise.isCanceled(); };
        // The future passes on at most a few progress reports a second.
        control.progress = [&done, &promise, part](std::size_t offers, std::size_t) {
            done[part].store(offers, std::memory_order_relaxed);
            promise.setProgressValue(
                static_cast<int>(done[0].load(std::memory_order_relaxed) + done[1].load(std::memory_order_relaxed)));
        };
        return control;
    };
    const RankedOffers& in = *ranked;
    const std::size_t half = total / 2;
    QFuture<std::optional<OfferRuns>> second =
        QtConcurrent::run(pool, [&] { return RunOffers(in.cards, in.offers, half, total, controlOf(1)); });
    std::optional<OfferRuns> first = RunOffers(in.cards, in.offers, 0, half, controlOf(0));
    // Takes the second half over when no thread has started it yet.
    second.waitForFinished();
    std::optional<OfferRuns> secondRuns = second.takeResult();
    if (!first || !secondRuns)
        return;
    std::vector<OfferRuns> parts;
    parts.push_back(std::move(*first));
    parts.push_back(std::move(*secondRuns));
    auto rankings = RankRuns(in.cards, std::move(parts), controlOf(0));
    if (!rankings)
        return;
    ranked->rankings = std::move(*rankings);
    promise.addResult(Answer(std::move(ranked)));
}

} // namespace

OfferRankingJob::OfferRankingJob(QObject* parent)
    : QObject(parent)
{
    // One thread for each half of the list.
    m_pool.setMaxThreadCount(2);
}

OfferRankingJob::~OfferRankingJob()
{
    cancel();
    m_pool.waitForDone();
}

void OfferRankingJob::start(std::vector<DebtCard> cards, OfferList offers)
{
    cancel();
    const int total = static_cast<int>(offers.size());
    m_future = QtConcurrent::run(&m_pool, rankOnWorkers, &m_pool, std::move(cards), std::move(offers));
    m_watcher = new QFutureWatcher<Answer>(this);
    connect(m_watcher, &QFutureWatcherBase::progressValueChanged, this,
            [this, total](int done) { emit progressed(done, total); });
    connect(m_watcher, &QFutureWatcherBase::finished, this, &OfferRankingJob::answered);
    m_watcher->setFuture(m_future);
}

void OfferRankingJob::cancel()
{
    if (!m_watcher)
        return;
    m_future.cancel();
    m_watcher->disconnect(this);
    m_watcher->deleteLater();
    m_watcher = nullptr;
}

void OfferRankingJob::answered()
{
    m_watcher->deleteLater();
    m_watcher = nullptr;
    if (m_future.resultCount() > 0)
        emit finished(m_future.takeResult());
}

} // namespace plenwick
