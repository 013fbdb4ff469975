#include "models/offer_ranking_job.h"

#include "plan/offer_terms.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>

#include <atomic>

namespace plenwick {

namespace {

using Answer = std::shared_ptr<const RankedOffers>;

// The threads tell after every offer; the window hears at most this often.
constexpr qint64 kProgressMs = 100;

void rank(QPromise<Answer>& promise, std::vector<DebtCard> cards, std::shared_ptr<const std::vector<RankOffer>> offers)
{
    promise.setProgressRange(0, static_cast<int>(offers->size()));
    RankingControl control;
    control.cancelled = [&promise] { return promise.isCanceled(); };
    QElapsedTimer clock;
    clock.start();
    std::atomic<qint64> lastTold{0};
    control.progress = [&](std::size_t done, std::size_t) {
        qint64 last = lastTold.load(std::memory_order_relaxed);
        const qint64 now = clock.elapsed();
        // One thread tells, the others go on.
        if (now - last >= kProgressMs && lastTold.compare_exchange_strong(last, now, std::memory_order_relaxed))
            promise.setProgressValue(static_cast<int>(done));
    };
    auto rankings = RankOffersOnThreads(cards, *offers, OfferRankingJob::kThreads, control);
    if (!rankings)
        return;
    promise.addResult(
        std::make_shared<const RankedOffers>(RankedOffers{std::move(cards), std::move(offers), std::move(*rankings)}));
}

} // namespace

std::shared_ptr<const std::vector<RankOffer>> rankOffersOf(const OfferList& list)
{
    auto offers = std::make_shared<std::vector<RankOffer>>();
    offers->reserve(list.size());
    for (const OfferRecord& record : list) {
        offers->push_back(RankOfferFromTexts({record.cardName.toStdString(), record.detailsAddress.toStdString(),
                                              record.introMonths.toStdString(), record.introRate.toStdString(),
                                              record.regularRate.toStdString(), record.annualFee.toStdString(),
                                              record.transferFee.toStdString()}));
    }
    return offers;
}

OfferRankingJob::OfferRankingJob(QObject* parent)
    : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

OfferRankingJob::~OfferRankingJob()
{
    cancel();
    m_pool.waitForDone();
}

void OfferRankingJob::start(std::vector<DebtCard> cards, std::shared_ptr<const std::vector<RankOffer>> offers)
{
    cancel();
    const int total = static_cast<int>(offers->size());
    m_future = QtConcurrent::run(&m_pool, rank, std::move(cards), std::move(offers));
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
