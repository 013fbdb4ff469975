#pragma once

#include "app/screens.h"
#include "app/surroundings.h"
#include "cards/card_book.h"
#include "cards/card_store.h"
#include "offers/offer_list.h"

#include <QHash>
#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QLineEdit;

namespace plenwick {

enum class Pattern;
class ResultBlinker;
class ScreenPanel;
struct PayoffAnswer;
struct SavingsRow;

// The main window: the banner strip, the three screen buttons and the three
// screens "My Cards", "My Costs" and "My Savings". Everything it shows lives
// in its controls; the handlers read the texts they need, ask the
// calculations, and write the answers back.
class frmMain : public QWidget {
    Q_OBJECT
public:
    enum Screen : std::uint8_t { MyCards = 0, MyCosts = 1, MySavings = 2 };

    explicit frmMain(Surroundings surroundings, QWidget* parent = nullptr);
    ~frmMain() override;

    // The screen switch behind the screen buttons, "Next >>" and "<< Previous".
    void switchScreen(int index);
    int screenIndex() const { return m_screenIndex; }

    ResultBlinker* blinker() const { return m_blinker; }

    // Writes the cards shown on "My Cards" to the card file.
    void SaveMyCards();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void connectHandlers();
    void startOnce(QTimer& timer, const QString& name, int delayMs, void (frmMain::*work)());
    void paintPanels();
    void LoadMyCards();
    CardBook shownCards() const;
    void showCards(const CardBook& book);
    void normaliseOnLeaving(const PerCard<QLineEdit>& boxes, Pattern pattern);

    void copyCards(const PerCard<QLineEdit>& names, const PerCard<QLineEdit>& totals);
    void rebuildOfferChoices();
    void selectFirstOffers();

    void fillMinimumPayment(int row, bool checked);
    void calculateTime(int row);
    void calculateAmount(int row);
    void calculateSavings(int row);
    void offerChosen(int row);
    void showDetails(int row);
    void startBanner();
    void startOfferDownload();
    SavingsRow savingsRowOf(int row) const;
    void showAnswer(QLabel* label, const PayoffAnswer& answer);

    Surroundings m_surroundings;
    CardStore m_cardStore;
    std::uint8_t m_screenIndex = MyCards;

    QFrame* m_bannerStrip = nullptr;
    std::array<QPushButton*, 3> m_screenButtons{};
    std::array<ScreenPanel*, 3> m_panels{};
    CardsScreen m_cards;
    CostsScreen m_costs;
    SavingsScreen m_savings;

    OfferList m_offers;
    bool m_offerChoicesArePlaceholders = false;
    QTimer m_offerTimer;
    OfferDownload m_offerDownload;

    QHash<QObject*, Pattern> m_normalisedFields;
    ResultBlinker* m_blinker = nullptr;
    QTimer m_paintTimer;
};

} // namespace plenwick
