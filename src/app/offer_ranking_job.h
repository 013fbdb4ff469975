#pragma once

#include "offers/offer_list.h"
#include "plan/debt_card.h"
#include "plan/offer_ranking.h"

#include <QFuture>
#include <QObject>
#include <QPointer>
#include <QThreadPool>

#include <memory>
#include <vector>

template <class T>
class QFutureWatcher;

namespace plenwick {

// A finished ranking with what it was made of, for the table to show.
struct RankedOffers {
    std::vector<DebtCard> cards;
    std::vector<RankOffer> offers;
    std::vector<CardRanking> rankings;
};

// Ranks the offers against the cards on two worker threads, each taking half
// of the list, and hands the answer back on the window's thread. Only the
// latest ranking answers; starting another or cancelling silences the one
// before, which stops at its next payoff run.
class OfferRankingJob : public QObject {
    Q_OBJECT
public:
    explicit OfferRankingJob(QObject* parent = nullptr);
    // Nothing the job started outlives it.
    ~OfferRankingJob() override;

    void start(std::vector<DebtCard> cards, OfferList offers);
    void cancel();
    bool running() const { return m_watcher != nullptr; }

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
