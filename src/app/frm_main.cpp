#include "app/frm_main.h"

#include "app/help_window.h"
#include "app/kept_files.h"
#include "plan/offer_move.h"
#include "screens/best_offers_screen.h"
#include "screens/cards_screen.h"
#include "screens/costs_screen.h"
#include "screens/plan_screen.h"
#include "screens/savings_screen.h"
#include "widgets/accessible_widgets.h"
#include "widgets/result_blinker.h"
#include "widgets/theme.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWhatsThis>

namespace plenwick {

namespace {

constexpr int kPaintDelayMs = 10;
constexpr int kOfferDelayMs = 1000;
constexpr int kStatusShownMs = 10'000;

} // namespace

frmMain::frmMain(Surroundings surroundings, QWidget* parent)
    : QWidget(parent)
    , m_surroundings(std::move(surroundings))
    , m_offerTimer(this)
    , m_paintTimer(this)
{
    buildWindow();
    connectScreens();
    addShortcuts();

    startBanner();
    m_files->LoadMyCards();
    m_files->loadPlan();
    if (!m_surroundings.startNote.isEmpty()) {
        QTimer::singleShot(
            0, this, [this] { m_surroundings.messages->show(this, m_surroundings.startNote, MessageIcon::Warning); });
    }
    // The covered screens are hidden too, so that Tab never reaches a box the person cannot see.
    showOnly(Screen::MyCards);
    m_cards->firstField()->setFocus();

    // Work that needs the window to exist runs on the first tick of a timer
    // that then stops.
    startOnce(m_paintTimer, QStringLiteral("Timer2"), kPaintDelayMs, &frmMain::paintPanels);
    startOnce(m_offerTimer, QStringLiteral("Timer3"), kOfferDelayMs, &frmMain::startOfferDownload);
    connect(&m_offerDownload, &OfferDownload::finished, this, &frmMain::offersArrived);
}

// The screens go first, while the window is whole: one may still speak as
// it is taken down (a box it loses the focus of finishes its edit).
frmMain::~frmMain() { qDeleteAll(m_screens); }

void frmMain::startOnce(QTimer& timer, const QString& name, int delayMs, void (frmMain::*work)())
{
    timer.setObjectName(name);
    timer.setSingleShot(true);
    timer.setInterval(delayMs);
    connect(&timer, &QTimer::timeout, this, work);
    timer.start();
}

void frmMain::buildWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Plenwick"));
    setAutoFillBackground(true);
    theme::useWindowPalette(this);
    setMinimumSize(theme::kSmallestClientSize);
    QSize size = theme::kClientSize;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        size = size.boundedTo(screen->availableGeometry().size() - QSize(16, 48)); // room for the frame
        resize(size.expandedTo(minimumSize()));
        move(screen->availableGeometry().center() - rect().center());
    }

    restoreGeometry(m_surroundings.windowPlace());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 3, 2);
    layout->setSpacing(1);
    m_bannerStrip = new QFrame(this);
    m_bannerStrip->setObjectName(QStringLiteral("Picture3"));
    m_bannerStrip->setFixedHeight(theme::kBannerHeight);
    m_bannerStrip->setFrameShape(QFrame::NoFrame);
    m_bannerStrip->installEventFilter(this);
    layout->addWidget(m_bannerStrip);

    auto* buttons = new QWidget(this);
    buttons->setFixedHeight(theme::kScreenButtonSize.height());
    layout->addWidget(buttons);
    addScreenButton(buttons, Screen::MyCards, QStringLiteral("My Cards"));
    addScreenButton(buttons, Screen::MyCosts, QStringLiteral("My Costs"));
    addScreenButton(buttons, Screen::MySavings, QStringLiteral("My Savings"));
    addScreenButton(buttons, Screen::MyPlan, QStringLiteral("My Plan"));
    addScreenButton(buttons, Screen::BestOffers, QStringLiteral("Best Offers"));
    addHelp(buttons);

    // The screens share one place; only the one shown takes it.
    auto* screens = new QGridLayout;
    screens->setContentsMargins(5, 0, 0, 0);
    layout->addLayout(screens, 1);
    addScreens(screens);
    m_statusLine = new QLabel(this);
    m_statusLine->setObjectName(QStringLiteral("statusLine"));
    m_statusLine->setFont(theme::captionFont());
    m_statusLine->setContentsMargins(6, 0, 6, 0);
    layout->addWidget(m_statusLine);
    m_statusTimer.setSingleShot(true);
    m_statusTimer.setInterval(kStatusShownMs);
    connect(&m_statusTimer, &QTimer::timeout, m_statusLine, &QLabel::clear);
    setTabOrder(screenButton(Screen::BestOffers), m_cards->firstField());
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_bannerStrip && event->type() == QEvent::Resize)
        placeBanner();
    return QWidget::eventFilter(watched, event);
}

void frmMain::placeBanner()
{
    if (auto* banner = m_bannerStrip->findChild<QWidget*>(QStringLiteral("wb1")))
        banner->setGeometry(m_bannerStrip->rect().marginsAdded(theme::kBannerOverhang));
}

void frmMain::addScreens(QGridLayout* place)
{
    m_blinker = new ResultBlinker(this);
    const ScreenContext context{m_surroundings.messages,
                                m_surroundings.opener,
                                m_surroundings.now,
                                m_surroundings.askSavePath,
                                m_blinker,
                                m_surroundings.server.isEmpty()};
    m_cards = new CardsScreen(this);
    m_costs = new CostsScreen(context, this);
    m_savings = new SavingsScreen(context, this);
    m_plan = new PlanScreen(context, this);
    m_bestOffers = new BestOffersScreen(context, this);
    m_screens = {m_cards, m_costs, m_savings, m_plan, m_bestOffers};
    for (CardScreen* screen : m_screens)
        place->addWidget(screen, 0, 0);
}

void frmMain::addScreenButton(QWidget* row, Screen screen, const QString& caption)
{
    const int index = static_cast<int>(screen);
    auto* button = new QPushButton(caption, row);
    button->setObjectName(QStringLiteral("MyCardsCMD_%1").arg(index));
    button->setCheckable(true);
    button->setAutoDefault(true); // Enter or Return presses the focused button, as Space does
    button->setFont(theme::captionFont(10));
    button->setStyleSheet(theme::screenButtonStyle());
    button->setGeometry(
        QRect(QPoint(theme::kScreenButtonLeft + index * theme::kScreenButtonStep, 0), theme::kScreenButtonSize));
    button->setToolTip(QStringLiteral("%1 (Alt+%2)").arg(caption).arg(index + 1));
    markAsScreenTab(button);
    m_screenButtons[index] = button;
    connect(button, &QPushButton::clicked, this, [this, screen] { switchScreen(screen); });
}

void frmMain::connectScreens()
{
    for (int index = 0; index < kScreenCount; ++index) {
        connect(m_screens[index], &CardScreen::previousRequested, this,
                [this, index] { switchScreen(static_cast<Screen>(std::max(index - 1, 0))); });
        connect(m_screens[index], &CardScreen::nextRequested, this,
                [this, index] { switchScreen(static_cast<Screen>(std::min(index + 1, kScreenCount - 1))); });
    }
    // A changed card makes the ranking under way worthless.
    connect(m_cards, &CardsScreen::cardsEdited, m_bestOffers, &BestOffersScreen::dropRanking);
    // A card's minimum rule, set on My Plan, gives My Costs its statement line.
    connect(m_plan, &PlanScreen::savedChanged, m_costs,
            [costs = m_costs](const SavedPlan& saved) { costs->setMinimumRules(saved.cardMinimums); });
    m_files = new KeptFiles(m_surroundings, this, {m_cards, m_costs, m_plan});
    connect(m_files, &KeptFiles::statusChanged, m_statusLine, [this](const QString& text, bool lasting) {
        m_statusLine->setText(text);
        if (lasting)
            m_statusTimer.stop();
        else
            m_statusTimer.start();
    });
    connect(m_bestOffers, &BestOffersScreen::planMoveAsked, this, [this](std::size_t row, const OfferMove& move) {
        m_plan->useOffer(row, move);
        switchScreen(Screen::MyPlan);
    });
}

void frmMain::startBanner()
{
    // The banner itself holds back anything slow until the window has been painted.
    const QUrl page = m_surroundings.server.isEmpty()
                          ? QUrl()
                          : m_surroundings.server.resolved(QUrl(QStringLiteral("/app/CCAppBanner.htm")));
    QWidget* banner = m_surroundings.makeBanner(m_bannerStrip, page);
    banner->setObjectName(QStringLiteral("wb1"));
    placeBanner();
}

void frmMain::startOfferDownload()
{
    // With no server the offer list stays empty and nothing goes on the network.
    if (m_surroundings.server.isEmpty())
        return;
    m_offerDownload.start(m_surroundings.server.resolved(QUrl(QStringLiteral("/app/newCCOffers.txt"))),
                          m_surroundings.offerTimeoutMs);
}

// A ranking of the old list is dropped; Best Offers, when in view, ranks the
// new one at once.
void frmMain::offersArrived(const OfferList& offers, const OfferFileShortfall& shortfall)
{
    m_savings->setOffers(offers);
    m_bestOffers->setOffers(offers, shortfall);
}

void frmMain::paintPanels()
{
    const QPixmap tile(QStringLiteral(":/plenwick/tile_strip.png"));
    for (CardScreen* screen : m_screens)
        screen->FillPic(tile);
}

void frmMain::addShortcuts()
{
    for (int index = 0; index < kScreenCount; ++index) {
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_1 + index)), this);
        connect(shortcut, &QShortcut::activated, this, [this, index] { switchScreen(static_cast<Screen>(index)); });
    }
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, this, &frmMain::SaveMyCards);
}

// At the right of the screen buttons: help on the screen shown (F1), What's
// This on a control (Shift+F1), and About. The actions belong to the window
// too, so that their keys work wherever the focus is.
void frmMain::addHelp(QWidget* row)
{
    auto* button = new QPushButton(QStringLiteral("Help"), row);
    button->setObjectName(QStringLiteral("helpButton"));
    button->setFont(theme::captionFont(10));
    auto* menu = new QMenu(button);
    QAction* help = menu->addAction(QStringLiteral("Plenwick Help"), this, &frmMain::showHelp);
    help->setShortcut(QKeySequence::HelpContents);
    QAction* whatsThis = QWhatsThis::createAction(menu);
    menu->addAction(whatsThis);
    menu->addSeparator();
    menu->addAction(QStringLiteral("About Plenwick"), this, [this] {
        m_surroundings.messages->show(this, aboutText(m_surroundings.server), MessageIcon::Information);
    });
    addActions({help, whatsThis});
    button->setMenu(menu);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->addStretch(1);
    layout->addWidget(button);
}

void frmMain::showHelp()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->showPage(HelpWindow::pageOfScreen(static_cast<int>(m_screenIndex)));
}

void frmMain::SaveMyCards() { m_files->SaveMyCards(); }

void frmMain::closeEvent(QCloseEvent* event)
{
    m_surroundings.keepWindowPlace(saveGeometry());
    event->setAccepted(m_files->saveForClosing());
}

void frmMain::showOnly(Screen which)
{
    screen(which)->setVisible(true);
    screenButton(which)->setChecked(true);
    m_screenIndex = which;
    for (int other = 0; other < kScreenCount; ++other) {
        if (other == static_cast<int>(which))
            continue;
        m_screenButtons[other]->setChecked(false);
        m_screens[other]->setVisible(false);
    }
}

void frmMain::switchScreen(Screen which)
{
    // Read-only, only Save (or closing) tries to take over.
    if (m_screenIndex == Screen::MyCards && !m_files->readOnly())
        SaveMyCards();
    showOnly(which);
    screen(which)->enter(m_cards->cards());
    screen(which)->firstField()->setFocus(Qt::TabFocusReason);
}

} // namespace plenwick
