#pragma once

#ifndef Q_MOC_RUN
#include "models/offer_ranking_job.h"
#endif
#include "offers/offer_download.h"
#include "offers/offer_list.h"
#ifndef Q_MOC_RUN
#include "plan/offer_move.h"
#endif
#include "screens/card_screen.h"
#include "widgets/card_grid.h"

#include <array>
#include <memory>
#include <optional>

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableView;

namespace plenwick {

class OfferRankingModel;
class OfferRankingProxy;

// "Best Offers": every advertised card against every card shown on My Cards
// that owes, fees included, ranked off the window's thread.
class BestOffersScreen : public CardScreen {
    Q_OBJECT
public:
    BestOffersScreen(ScreenContext context, QWidget* parent);
    ~BestOffersScreen() override;

    // A new offer list: the ranking of the old one is dropped, and the new
    // one is ranked at once when the screen is in view. What of the file did
    // not reach the list is said under the ranking.
    void setOffers(const OfferList& offers, const OfferFileShortfall& shortfall = {});
    // Ranks unless the last ranking was of these very cards and offers (one
    // the person cancelled stays cancelled).
    void enter(const CardBook& book) override;
    // What is ranked has changed: the ranking under way stops, and the next
    // showing ranks afresh.
    void dropRanking();

    QWidget* firstField() const override;

signals:
    // A card (its My Cards row) is to be moved to an offer in My Plan.
    void planMoveAsked(std::size_t row, const plenwick::OfferMove& move);

private:
    QWidget* buildTable();
    void addControls(QVBoxLayout* layout);
    void addCommands(QVBoxLayout* layout);
    bool rankedLast() const;
    void start();
    void cancel();
    void setRunning(bool running);
    void showProgress(int done, int total);
    void showRanked(std::shared_ptr<const RankedOffers> ranked);
    void chooseCard(int index);
    void rowChosen();
    std::optional<int> chosenRow() const; // in the model
    void showDetailsOf(int row);
    void useChosenInPlan();

    ScreenContext m_context;
    CardBook m_cards;
    std::shared_ptr<const std::vector<RankOffer>> m_offers = std::make_shared<const std::vector<RankOffer>>();
    struct Ranked {
        CardBook cards;
        std::shared_ptr<const std::vector<RankOffer>> offers;
    };
    std::optional<Ranked> m_ranked; // the inputs of the last ranking started
    bool m_cancelled = false;       // by the person
    OfferFileShortfall m_shortfall;

    OfferRankingModel* m_model = nullptr;
    OfferRankingProxy* m_proxy = nullptr;
    OfferRankingJob m_job;
    QComboBox* m_cardChoice = nullptr;
    QPushButton* m_rank = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_status = nullptr;
    QTableView* m_table = nullptr;
    QPushButton* m_showDetails = nullptr;
    QPushButton* m_useInPlan = nullptr;
};

} // namespace plenwick
