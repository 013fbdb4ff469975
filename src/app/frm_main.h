#pragma once

#include "app/surroundings.h"
#include "offers/offer_download.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <cstdint>

class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;

namespace plenwick {

class BestOffersScreen;
class HelpWindow;
class KeptFiles;
class CardScreen;
class CardsScreen;
class CostsScreen;
class PlanScreen;
class ResultBlinker;
class SavingsScreen;

// The main window: the banner strip, the screen buttons and the screens. It
// hands each screen what it needs and routes between them; KeptFiles keeps
// what was typed between runs, and the screens ask their own questions and show their own answers.
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

protected:
    // Cards and plan changed since the last save are saved before the window closes.
    void closeEvent(QCloseEvent* event) override;
    // The banner follows the strip's size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWindow();
    void addScreenButton(QWidget* row, Screen screen, const QString& caption);
    void addScreens(QGridLayout* place);
    void placeBanner();
    void connectScreens();
    void addShortcuts();
    void addHelp(QWidget* row);
    void showHelp();
    void startOnce(QTimer& timer, const QString& name, int delayMs, void (frmMain::*work)());
    void paintPanels();
    void showOnly(Screen screen);
    void startBanner();
    void startOfferDownload();
    void offersArrived(const OfferList& offers, const OfferFileShortfall& shortfall);

    CardScreen* screen(Screen which) const { return m_screens[static_cast<int>(which)]; }
    QPushButton* screenButton(Screen which) const { return m_screenButtons[static_cast<int>(which)]; }

    Surroundings m_surroundings;
    Screen m_screenIndex = Screen::MyCards;

    QFrame* m_bannerStrip = nullptr;
    ResultBlinker* m_blinker = nullptr;
    std::array<QPushButton*, kScreenCount> m_screenButtons{};
    std::array<CardScreen*, kScreenCount> m_screens{};
    CardsScreen* m_cards = nullptr;
    CostsScreen* m_costs = nullptr;
    SavingsScreen* m_savings = nullptr;
    PlanScreen* m_plan = nullptr;
    BestOffersScreen* m_bestOffers = nullptr;
    HelpWindow* m_help = nullptr; // made when first asked for
    KeptFiles* m_files = nullptr;

    QTimer m_offerTimer;
    OfferDownload m_offerDownload;
    QTimer m_paintTimer;
    QLabel* m_statusLine = nullptr; // says for a while what was saved where
    QTimer m_statusTimer;
};

} // namespace plenwick
