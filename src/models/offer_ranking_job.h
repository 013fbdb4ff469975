#pragma once

#include "offers/offer_list.h"
#ifndef Q_MOC_RUN
#include "plan/debt_card.h"
#endif
#ifndef Q_MOC_RUN
#include "plan/offer_ranking.h"
#endif

#include <QFuture>
#include <QObject>
#include <QThreadPool>

#include <memory>
#include <vector>

template <class T>
class QFutureWatcher;

namespace plenwick {

// The offer list as the ranking reads it, read once when the list arrives.
std::shared_ptr<const std::vector<RankOffer>> rankOffersOf(const OfferList& list);

// Ranks the offers against the cards off the window's thread and hands the
// answer back on it. Only the latest ranking answers; starting another or
// cancelling silences the one before, which stops at its next payoff run.
class OfferRankingJob : public QObject {
    Q_OBJECT
public:
    // One thread for each part of the list.
    static constexpr int kThreads = 2;

    explicit OfferRankingJob(QObject* parent = nullptr);
    // Nothing the job started outlives it.
    ~OfferRankingJob() override;

    void start(std::vector<DebtCard> cards, std::shared_ptr<const std::vector<RankOffer>> offers);
    void cancel();

signals:
    void progressed(int offersDone, int offersInAll);
    void finished(std::shared_ptr<const plenwick::RankedOffers> ranked);

private:
    using Answer = std::shared_ptr<const RankedOffers>;
    void answered();

    QThreadPool m_pool;
    QFuture<Answer> m_future;
    QFutureWatcher<Answer>* m_watcher = nullptr;
};

} // namespace plenwick
