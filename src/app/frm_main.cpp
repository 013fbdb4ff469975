#include "app/frm_main.h"

#include "app/best_offers_screen.h"
#include "app/cards_screen.h"
#include "app/costs_screen.h"
#include "app/plan_result.h"
#include "app/plan_screen.h"
#include "app/savings_screen.h"
#include "app/theme.h"
#include "app/web_banner.h"
#include "calculations/payoff.h"
#include "calculations/savings.h"
#include "money/money_text.h"
#include "plan/debt_card.h"
#include "screens/result_blinker.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

namespace plenwick {

namespace {

constexpr int kPaintDelayMs = 10;
constexpr int kOfferDelayMs = 1000;

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

} // namespace

frmMain::frmMain(Surroundings surroundings, QWidget* parent)
    : QWidget(parent)
    , m_surroundings(std::move(surroundings))
    , m_cardStore(m_surroundings.cardFilePath)
    , m_offerTimer(this)
    , m_paintTimer(this)
{
    buildWindow();
    connectHandlers();
    addShortcuts();

    startBanner();
    LoadMyCards();
    // The covered screens are hidden too, so that Tab never reaches a box the person cannot see.
    showOnly(Screen::MyCards);

    // Work that needs the window to exist runs on the first tick of a timer
    // that then stops.
    startOnce(m_paintTimer, QStringLiteral("Timer2"), kPaintDelayMs, &frmMain::paintPanels);
    startOnce(m_offerTimer, QStringLiteral("Timer3"), kOfferDelayMs, &frmMain::startOfferDownload);
    connect(&m_offerDownload, &OfferDownload::finished, this, &frmMain::offersArrived);
}

frmMain::~frmMain() = default;

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
    setFixedSize(theme::kClientSize);
    setAutoFillBackground(true);
    theme::useFocusColour(this);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_bannerStrip = new QFrame(this);
    m_bannerStrip->setObjectName(QStringLiteral("Picture3"));
    m_bannerStrip->setGeometry(theme::kBannerStrip);
    m_bannerStrip->setFrameShape(QFrame::NoFrame);

    addScreenButton(Screen::MyCards, QStringLiteral("My Cards"));
    addScreenButton(Screen::MyCosts, QStringLiteral("My Costs"));
    addScreenButton(Screen::MySavings, QStringLiteral("My Savings"));
    addScreenButton(Screen::MyPlan, QStringLiteral("My Plan"));
    addScreenButton(Screen::BestOffers, QStringLiteral("Best Offers"));
    m_cards = new CardsScreen(this);
    m_costs = new CostsScreen(this);
    m_savings = new SavingsScreen(this);
    m_plan = new PlanScreen(this);
    m_bestOffers = new BestOffersScreen(this);
    m_panels = {m_cards, m_costs, m_savings, m_plan, m_bestOffers};
    for (ScreenPanel* screen : m_panels)
        screen->setGeometry(theme::kPanelArea);

    std::vector<QLabel*> resultLabels;
    for (int row = 0; row < kCardCount; ++row) {
        resultLabels.insert(resultLabels.end(),
                            {m_costs->MonthsLable[row], m_costs->AmountLable[row], m_savings->Savings1Lable[row],
                             m_savings->Savings2Lable[row], m_savings->Savings3Lable[row]});
    }
    m_blinker = new ResultBlinker(std::move(resultLabels), this);

    setTabOrder(screenButton(static_cast<Screen>(kScreenCount - 1)), m_cards->CardNameText[0]);
}

void frmMain::addScreenButton(Screen screen, const QString& caption)
{
    const int index = static_cast<int>(screen);
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QStringLiteral("MyCardsCMD_%1").arg(index));
    button->setCheckable(true);
    button->setAutoDefault(true); // Enter or Return presses the focused button, as Space does
    button->setFont(theme::captionFont(10));
    button->setStyleSheet(theme::screenButtonStyle());
    button->setGeometry(
        QRect(QPoint(theme::kScreenButtonLeft + index * theme::kScreenButtonStep, theme::kScreenButtonTop),
              theme::kScreenButtonSize));
    m_screenButtons[index] = button;
    connect(button, &QPushButton::clicked, this, [this, screen] { switchScreen(screen); });
}

void frmMain::connectHandlers()
{
    connect(m_cards, &CardsScreen::nextRequested, this, [this] { switchScreen(Screen::MyCosts); });
    connect(m_cards, &CardsScreen::saveRequested, this, &frmMain::SaveMyCards);

    connect(m_costs, &CostsScreen::previousRequested, this, [this] { switchScreen(Screen::MyCards); });
    connect(m_costs, &CostsScreen::nextRequested, this, [this] { switchScreen(Screen::MySavings); });
    connect(m_costs, &CostsScreen::minimumChecked, this, &frmMain::fillMinimumPayment);
    connect(m_costs, &CostsScreen::monthsAsked, this, &frmMain::calculateTime);
    connect(m_costs, &CostsScreen::paymentAsked, this, &frmMain::calculateAmount);

    connect(m_savings, &SavingsScreen::previousRequested, this, [this] { switchScreen(Screen::MyCosts); });
    connect(m_savings, &SavingsScreen::savingsAsked, this, &frmMain::calculateSavings);
    connect(m_savings, &SavingsScreen::offerChosen, this, &frmMain::offerChosen);
    connect(m_savings, &SavingsScreen::detailsAsked, this, &frmMain::showDetails);
    m_savings->NextCMD->setVisible(true);
    connect(m_savings->NextCMD, &QPushButton::clicked, this, [this] { switchScreen(Screen::MyPlan); });

    connect(m_plan, &PlanScreen::previousRequested, this, [this] { switchScreen(Screen::MySavings); });
    connect(m_plan, &PlanScreen::planAsked, this, &frmMain::calculatePlan);
    connect(m_plan, &PlanScreen::exportAsked, this, &frmMain::exportPlan);
    m_plan->NextCMD->setVisible(true);
    connect(m_plan, &PlanScreen::nextRequested, this, [this] { switchScreen(Screen::BestOffers); });

    // A changed card makes the ranking under way worthless.
    connect(m_cards, &CardsScreen::cardsEdited, m_bestOffers, &BestOffersScreen::dropRanking);
    connect(m_bestOffers, &BestOffersScreen::previousRequested, this, // to the screen before it
            [this] { switchScreen(static_cast<Screen>(static_cast<int>(Screen::BestOffers) - 1)); });
    connect(m_bestOffers, &BestOffersScreen::rankAsked, this,
            [this] { m_bestOffers->rank(m_cards->cards(), m_offers); });
    connect(m_bestOffers, &BestOffersScreen::detailsAsked, this,
            [this](const QString& address) { OpenInBrowser(address, *m_surroundings.opener); });
    connect(m_bestOffers, &BestOffersScreen::planMoveAsked, this, [this](int row, const OfferMove& move) {
        useOfferInPlan(row, move);
        switchScreen(Screen::MyPlan);
    });
}

void frmMain::startBanner()
{
    // The banner browser takes long to start: the window is on the screen first.
    afterFirstPaint(this, [this] {
        const QUrl page = m_surroundings.server.isEmpty()
                              ? QUrl()
                              : m_surroundings.server.resolved(QUrl(QStringLiteral("/app/CCAppBanner.htm")));
        QWidget* banner = m_surroundings.makeBanner(m_bannerStrip, page);
        banner->setObjectName(QStringLiteral("wb1"));
        banner->setGeometry(theme::kBannerInStrip);
        banner->show();
    });
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
void frmMain::offersArrived(const OfferList& offers)
{
    m_offers = offers;
    m_bestOffers->dropRanking();
    if (m_screenIndex == Screen::BestOffers)
        m_bestOffers->showFor(m_cards->cards(), m_offers);
}

void frmMain::paintPanels()
{
    const QPixmap tile(QStringLiteral(":/plenwick/tile_strip.png"));
    for (ScreenPanel* screen : m_panels)
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

void frmMain::LoadMyCards()
{
    LoadedCards loaded = m_cardStore.load();
    CardBook& book = loaded.contents.book;
    if (loaded.contents.savedAt) {
        const CardBook stored = book;
        AdvanceBalances(book, monthsToAdvance(loaded.contents.savedAt->date(), m_surroundings.now().date()));
        tellAboutAdvance(stored, book, *loaded.contents.savedAt);
    }
    m_cards->showCards(book);
    m_savedCards = book;

    // Told once the window is on the screen.
    if (!loaded.warning.isEmpty()) {
        QTimer::singleShot(0, this, [this, text = loaded.warning] {
            m_surroundings.messages->show(this, text, MessageIcon::Warning);
        });
    }
}

// No interest is added, so the lowered balances can be below the statements.
void frmMain::tellAboutAdvance(const CardBook& before, const CardBook& after, const QDateTime& savedAt)
{
    if (before == after)
        return;
    const int months = monthsToAdvance(savedAt.date(), m_surroundings.now().date());
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    m_cards->showAdvanceNote(QStringLiteral("Balances lowered by %1 %2 of payments since your save of %3; check them "
                                            "against your statements.")
                                 .arg(months)
                                 .arg(months == 1 ? QStringLiteral("month") : QStringLiteral("months"))
                                 .arg(english.toString(savedAt.date(), QStringLiteral("d MMMM yyyy"))));
}

std::optional<QString> frmMain::saveCards()
{
    const CardBook shown = m_cards->cards();
    if (auto failure = m_cardStore.save(cardFileText(shown, m_surroundings.now())))
        return failure;
    m_savedCards = shown;
    m_cards->showAdvanceNote({});
    return std::nullopt;
}

QString frmMain::saveFailure(const QString& reason) const
{
    return QStringLiteral("Your cards could not be saved to %1:\n%2")
        .arg(QDir::toNativeSeparators(m_cardStore.path()), reason);
}

void frmMain::SaveMyCards()
{
    const auto failure = saveCards();
    if (!failure)
        return;
    m_surroundings.messages->show(this,
                                  saveFailure(*failure) +
                                      QStringLiteral("\n\nThe cards saved before are kept, and what you typed is "
                                                     "still on the screen."),
                                  MessageIcon::Warning);
}

void frmMain::useOfferInPlan(int row, const OfferMove& move) { m_planMoves.at(static_cast<std::size_t>(row)) = move; }

void frmMain::closeEvent(QCloseEvent* event)
{
    if (m_cards->cards() == m_savedCards) {
        event->accept();
        return;
    }
    const auto failure = saveCards();
    const bool close =
        !failure || m_surroundings.messages->choose(this,
                                                    saveFailure(*failure) +
                                                        QStringLiteral("\n\nClose anyway and lose the changes made "
                                                                       "on My Cards since the last save?"),
                                                    QStringLiteral("Close anyway"), QStringLiteral("Stay"));
    if (close)
        event->accept();
    else
        event->ignore();
}

void frmMain::showOnly(Screen screen)
{
    panel(screen)->setVisible(true);
    screenButton(screen)->setChecked(true);
    m_screenIndex = screen;
    for (int other = 0; other < kScreenCount; ++other) {
        if (other == static_cast<int>(screen))
            continue;
        m_screenButtons[other]->setChecked(false);
        m_panels[other]->setVisible(false);
    }
}

void frmMain::switchScreen(Screen screen)
{
    if (m_screenIndex == Screen::MyCards)
        SaveMyCards();
    showOnly(screen);
    if (screen == Screen::MyCosts)
        m_costs->copyCards(m_cards->cards());
    if (screen == Screen::MySavings) {
        m_savings->copyCards(m_cards->cards());
        rebuildOfferChoices();
        selectFirstOffers();
    }
    if (screen == Screen::MyPlan) {
        MoneyAmount payments;
        for (const DebtCard& card : planCards())
            payments = payments.plus(card.actualPayment.value_or(MoneyAmount())).value_or(payments);
        m_plan->suggestBudget(payments);
        m_plan->calculate();
    }
    if (screen == Screen::BestOffers)
        m_bestOffers->showFor(m_cards->cards(), m_offers);
}

void frmMain::rebuildOfferChoices()
{
    m_offerChoicesArePlaceholders = m_offers.empty();
    QStringList names;
    if (m_offerChoicesArePlaceholders) {
        names << QString::fromLatin1(kNoCardFound.data(), static_cast<qsizetype>(kNoCardFound.size()));
    } else {
        for (const OfferRecord& offer : m_offers)
            names << offer.cardName;
    }
    m_savings->setOfferChoices(names);
}

void frmMain::selectFirstOffers()
{
    for (int row = 0; row < kShownCards; ++row) {
        if (m_savings->TotalDue3Text[row]->text().isEmpty())
            continue;
        m_savings->CardCombo[row]->setCurrentIndex(0);
        offerChosen(row);
    }
}

void frmMain::fillMinimumPayment(int row, bool checked)
{
    if (!checked)
        return;
    m_costs->AmountIcanPayText[row]->setText(
        QString::fromStdString(FormatByPattern(text(m_cards->MinimumPaymentText[row]), Pattern::Money)));
}

void frmMain::showAnswer(QLabel* label, const PayoffAnswer& answer)
{
    if (answer.message)
        m_surroundings.messages->show(this, QString::fromStdString(*answer.message), answer.icon);
    if (answer.caption)
        label->setText(QString::fromStdString(*answer.caption));
}

// A rate or total due that is typed but is no number would silently count as
// 0; the click says so and computes nothing instead. Empty boxes count as 0.
bool frmMain::cardNumbersReadable(int row, const QLineEdit* totalDue)
{
    const std::string rateText = text(m_cards->InterestRateText[row]);
    const std::string totalText = text(totalDue);
    const struct {
        const char* box;
        const std::string& text;
        bool readable;
    } inputs[] = {
        {"Interest Rate", rateText, rateText.empty() || rate(rateText).has_value()},
        {"Total Due", totalText, totalText.empty() || money(totalText).has_value()},
    };
    for (const auto& input : inputs) {
        if (input.readable)
            continue;
        m_surroundings.messages->show(
            this,
            QStringLiteral("%1: the %2 \"%3\" is not a number")
                .arg(cardTitle(row), QLatin1String(input.box), QString::fromStdString(input.text)),
            MessageIcon::Warning);
        return false;
    }
    return true;
}

void frmMain::calculateTime(int row)
{
    if (!cardNumbersReadable(row, m_costs->TotalDue2Text[row]))
        return;
    const PayoffAnswer answer = PayoffMonths(text(m_costs->TotalDue2Text[row]), text(m_cards->InterestRateText[row]),
                                             text(m_costs->AmountIcanPayText[row]));
    showAnswer(m_costs->MonthsLable[row], answer);
    if (!answer.caption)
        return;
    const QDate today = m_surroundings.now().date();
    CostsScreen::showNote(m_costs->MonthsNote[row],
                          answer.months && answer.interest
                              ? QStringLiteral("%1 · interest\u00a0%2")
                                    .arg(monthText(CalendarMonth{today.year(), today.month()}.plus(*answer.months)),
                                         moneyText(*answer.interest))
                              : QString());
}

void frmMain::calculateAmount(int row)
{
    if (!cardNumbersReadable(row, m_costs->TotalDue2Text[row]))
        return;
    const PayoffAnswer answer = PayoffPayment(text(m_costs->TotalDue2Text[row]), text(m_cards->InterestRateText[row]),
                                              text(m_costs->DebtFreeMonthsText[row]));
    showAnswer(m_costs->AmountLable[row], answer);
    if (!answer.caption)
        return;
    CostsScreen::showNote(m_costs->AmountNote[row],
                          answer.interest ? QStringLiteral("interest\u00a0%1 in all").arg(moneyText(*answer.interest))
                                          : QString());
}

SavingsRow frmMain::savingsRowOf(int row) const
{
    SavingsRow savingsRow;
    savingsRow.totalDue = text(m_savings->TotalDue3Text[row]);
    savingsRow.interestRate = text(m_cards->InterestRateText[row]);
    savingsRow.actualPayment = text(m_cards->ActualPaymentText[row]);
    savingsRow.monthsItem = SavingsScreen::chosenItem(m_savings->MonthsCombo[row]);
    savingsRow.amountItem = SavingsScreen::chosenItem(m_savings->AmountCombo[row]);

    const QComboBox* choice = m_savings->CardCombo[row];
    const int position = choice->currentIndex();
    if (position < 0)
        return savingsRow;
    if (m_offerChoicesArePlaceholders) {
        savingsRow.offer = SavingsOffer{choice->currentText().toStdString(), {}, {}, {}, true};
    } else {
        const OfferRecord& offer = m_offers.at(static_cast<std::size_t>(position));
        savingsRow.offer = SavingsOffer{choice->currentText().toStdString(), offer.introMonths.toStdString(),
                                        offer.introRate.toStdString(), offer.regularRate.toStdString()};
    }
    return savingsRow;
}

void frmMain::calculateSavings(int row)
{
    if (!cardNumbersReadable(row, m_savings->TotalDue3Text[row]))
        return;
    const PerCard<QLabel>* labels[] = {&m_savings->Savings1Lable, &m_savings->Savings2Lable, &m_savings->Savings3Lable};
    for (const SavingsStep& step : SavingsOptions(savingsRowOf(row)).steps) {
        const QString stepText = QString::fromStdString(step.text);
        if (step.kind == SavingsStep::Kind::Message)
            m_surroundings.messages->show(this, stepText, MessageIcon::Information);
        else
            (*labels[static_cast<int>(step.label)])[row]->setText(stepText);
    }
}

void frmMain::showDetails(int row)
{
    const int position = m_savings->CardCombo[row]->currentIndex();
    if (position < 0 || m_offerChoicesArePlaceholders)
        return;
    const QString& address = m_offers.at(static_cast<std::size_t>(position)).detailsAddress;
    if (!OpenInBrowser(address, *m_surroundings.opener) && WebAddress(address)) {
        m_surroundings.messages->show(
            this, QStringLiteral("No web browser could be started to show the offer's page:\n%1").arg(address),
            MessageIcon::Warning);
    }
}

void frmMain::offerChosen(int row)
{
    if (m_savings->CardCombo[row]->currentIndex() >= 0)
        calculateSavings(row);
}

// The cards shown on My Cards that owe, as they are; calculatePlan moves
// those the person chose an offer for.
std::vector<DebtCard> frmMain::planCards() const
{
    const CardBook book = m_cards->cards();
    return debtCardsOf(std::span(book).first<kShownCards>());
}

void frmMain::calculatePlan(MoneyAmount budget, PlanStrategy strategy)
{
    for (int row = 0; row < kShownCards; ++row) {
        if (!cardNumbersReadable(row, m_cards->TotalDueText[row]))
            return;
    }
    auto result = std::make_shared<PlanResult>();
    result->cards = planCards();
    const std::vector<DebtCard> asTheyAre = result->cards;
    bool moved = false;
    for (DebtCard& card : result->cards) {
        const std::optional<OfferMove>& move = m_planMoves.at(card.row);
        result->offerNames.push_back(move ? move->offerName : QString());
        if (move) {
            card.ratePlan = move->ratePlan;
            card.openingFee = move->transferFee;
            moved = true;
        }
    }
    const QDate today = m_surroundings.now().date();
    const CalendarMonth firstMonth = CalendarMonth{today.year(), today.month()}.plus(1);
    result->plan = BuildDebtPlan(result->cards, budget, strategy, firstMonth);
    if (moved)
        result->withoutMoves = BuildDebtPlan(asTheyAre, budget, strategy, firstMonth);
    m_plan->showPlan(std::move(result));
}

void frmMain::exportPlan()
{
    const QString csv = QStringLiteral("Spreadsheet (*.csv)");
    const QString pdf = QStringLiteral("PDF (*.pdf)");
    QString chosen;
    const QString path = m_surroundings.askSavePath(this, QStringLiteral("Export My Plan"),
                                                    QDir::home().filePath(QStringLiteral("My Plan.csv")),
                                                    csv + QStringLiteral(";;") + pdf, &chosen);
    if (path.isEmpty())
        return;
    const bool asPdf = path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ||
                       (chosen == pdf && !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive));
    if (const auto failure = m_plan->exportTo(path, asPdf)) {
        m_surroundings.messages->show(
            this,
            QStringLiteral("The plan could not be saved to %1:\n%2").arg(QDir::toNativeSeparators(path), *failure),
            MessageIcon::Warning);
    }
}

} // namespace plenwick
