#pragma once

#include "app/card_grid.h"
#include "app/offer_move.h"
#include "app/surroundings.h"
#include "cards/card_store.h"
#include "offers/offer_list.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plenwick {

class BestOffersScreen;
class CardsScreen;
class CostsScreen;
enum class PlanStrategy;
class PlanScreen;
class ResultBlinker;
class SavingsScreen;
class ScreenPanel;
struct DebtCard;
struct PayoffAnswer;
struct SavingsRow;

// The main window: the banner strip, the screen buttons and the screens. The
// screens say what the person asked for; the window asks the calculations
// and writes the answers back. Everything it shows lives in its controls.
class frmMain : public QWidget {
    Q_OBJECT
public:
    enum class Screen : std::uint8_t { MyCards, MyCosts, MySavings, MyPlan, BestOffers };
    static constexpr int kScreenCount = 5;

    explicit frmMain(Surroundings surroundings, QWidget* parent = nullptr);
    ~frmMain() override;

    // The screen switch behind the screen buttons, "Next >>" and "<< Previous".
    void switchScreen(Screen screen);
    Screen screenIndex() const { return m_screenIndex; }

    ResultBlinker* blinker() const { return m_blinker; }

    // Writes the cards shown on "My Cards" to the card file.
    void SaveMyCards();

    // My Plan charges the card of this row the offer's rates from now on.
    void useOfferInPlan(int row, const OfferMove& move);

protected:
    // Cards changed since the last save are saved before the window closes.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildWindow();
    void addScreenButton(Screen screen, const QString& caption);
    void connectHandlers();
    void startOnce(QTimer& timer, const QString& name, int delayMs, void (frmMain::*work)());
    void paintPanels();
    void LoadMyCards();
    void tellAboutAdvance(const CardBook& before, const CardBook& after, const QDateTime& savedAt);
    std::optional<QString> saveCards();
    QString saveFailure(const QString& reason) const;
    void addShortcuts();
    void showOnly(Screen screen);

    void rebuildOfferChoices();
    void selectFirstOffers();

    bool cardNumbersReadable(int row, const QLineEdit* totalDue);
    void fillMinimumPayment(int row, bool checked);
    void calculateTime(int row);
    void calculateAmount(int row);
    void calculateSavings(int row);
    void offerChosen(int row);
    void showDetails(int row);
    void startBanner();
    void startOfferDownload();
    void offersArrived(const OfferList& offers);
    SavingsRow savingsRowOf(int row) const;
    void showAnswer(QLabel* label, const PayoffAnswer& answer);
    std::vector<DebtCard> planCards() const;
    void calculatePlan(MoneyAmount budget, PlanStrategy strategy);
    void exportPlan();

    ScreenPanel* panel(Screen screen) const { return m_panels[static_cast<int>(screen)]; }
    QPushButton* screenButton(Screen screen) const { return m_screenButtons[static_cast<int>(screen)]; }

    Surroundings m_surroundings;
    CardStore m_cardStore;
    CardBook m_savedCards; // as the card file holds them, or as shown after loading
    Screen m_screenIndex = Screen::MyCards;

    QFrame* m_bannerStrip = nullptr;
    std::array<QPushButton*, kScreenCount> m_screenButtons{};
    CardsScreen* m_cards = nullptr;
    CostsScreen* m_costs = nullptr;
    SavingsScreen* m_savings = nullptr;
    PlanScreen* m_plan = nullptr;
    BestOffersScreen* m_bestOffers = nullptr;
    std::array<ScreenPanel*, kScreenCount> m_panels{};

    OfferList m_offers;
    std::array<std::optional<OfferMove>, kCardCount> m_planMoves;
    bool m_offerChoicesArePlaceholders = false;
    QTimer m_offerTimer;
    OfferDownload m_offerDownload;

    ResultBlinker* m_blinker = nullptr;
    QTimer m_paintTimer;
};

} // namespace plenwick
