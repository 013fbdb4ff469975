#pragma once

#include "app/card_grid.h"
#include "app/offer_move.h"
#include "app/offer_ranking_job.h"
#include "cards/card_book.h"
#include "offers/offer_list.h"
#include "screens/screen_panel.h"

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
class BestOffersScreen : public ScreenPanel {
    Q_OBJECT
public:
    explicit BestOffersScreen(QWidget* parent);
    ~BestOffersScreen() override;

    // The screen is shown: ranks unless the last ranking was of these very
    // cards and offers (one the person cancelled stays cancelled).
    void showFor(const CardBook& book, const OfferList& offers);
    // "Rank": ranks unless these very cards and offers are ranked or being
    // ranked.
    void rank(const CardBook& book, const OfferList& offers);
    // What is ranked has changed: the ranking under way stops, and the next
    // showing ranks afresh.
    void dropRanking();

    QComboBox* CardChoiceCombo = nullptr;
    QPushButton* RankCMD = nullptr;
    QPushButton* CancelRankCMD = nullptr;
    QProgressBar* RankProgress = nullptr;
    QLabel* RankStatus = nullptr;
    QTableView* OffersTable = nullptr;
    QPushButton* ShowDetailsCMD = nullptr;
    QPushButton* UseInPlanCMD = nullptr;
    QPushButton* PrevCMD = nullptr;

signals:
    void rankAsked();
    void detailsAsked(const QString& address);
    // A card (its My Cards row) is to be moved to an offer in My Plan.
    void planMoveAsked(int row, const plenwick::OfferMove& move);
    void previousRequested();

private:
    struct Inputs {
        std::array<CardRow, kShownCards> cards;
        OfferList offers;
        bool operator==(const Inputs&) const = default;
    };
    static Inputs inputsOf(const CardBook& book, const OfferList& offers);
    bool rankedLast(const CardBook& book, const OfferList& offers) const;

    QWidget* buildTable();
    void start(Inputs inputs);
    void cancelAsked();
    void setRunning(bool running);
    void showProgress(int done, int total);
    void showRanked(std::shared_ptr<const RankedOffers> ranked);
    void chooseCard(int index);
    void rowChosen();
    std::optional<int> chosenRow() const; // in the model
    void showDetailsOf(int row);
    void useChosenInPlan();

    OfferRankingModel* m_model = nullptr;
    OfferRankingProxy* m_proxy = nullptr;
    OfferRankingJob m_job;
    std::optional<Inputs> m_inputs; // of the last ranking started
    bool m_cancelled = false;       // by the person
};

} // namespace plenwick
