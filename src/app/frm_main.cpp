#include "app/frm_main.h"

#include "calculations/payoff.h"
#include "calculations/savings.h"
#include "money/money_text.h"
#include "screens/result_blinker.h"
#include "screens/screen_panel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace plenwick {

namespace {

// The window's client area and places, in device-independent pixels.
constexpr QSize kClientSize(992, 664);
constexpr QRect kBannerStrip(1, 1, 988, 115);
// Larger than the strip on every side, so the strip hides the browser's edges.
constexpr QRect kBannerInStrip(-3, -3, 1015, 133);
constexpr int kPaintDelayMs = 10;
constexpr int kOfferDelayMs = 1000;
constexpr int kScreenButtonTop = 117;
constexpr std::array<int, 3> kScreenButtonLefts{6, 123, 240};
constexpr QSize kScreenButtonSize(118, 28);
constexpr QRect kPanelArea(6, 144, 982, 518);

std::string text(const QLineEdit* box) { return box->text().toStdString(); }

std::optional<std::string> chosenItem(const QComboBox* list)
{
    if (list->currentIndex() < 0)
        return std::nullopt;
    return list->currentText().toStdString();
}

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

    startBanner();
    LoadMyCards();
    m_screenButtons[MyCards]->setChecked(true);
    m_panels[MyCards]->raise();
    m_screenIndex = MyCards;

    // Work that needs the window to exist runs on the first tick of a timer
    // that then stops.
    startOnce(m_paintTimer, QStringLiteral("Timer2"), kPaintDelayMs, &frmMain::paintPanels);
    startOnce(m_offerTimer, QStringLiteral("Timer3"), kOfferDelayMs, &frmMain::startOfferDownload);
    connect(&m_offerDownload, &OfferDownload::finished, this, [this](const OfferList& offers) { m_offers = offers; });
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
    setFixedSize(kClientSize);
    setAutoFillBackground(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    m_bannerStrip = new QFrame(this);
    m_bannerStrip->setObjectName(QStringLiteral("Picture3"));
    m_bannerStrip->setGeometry(kBannerStrip);
    m_bannerStrip->setFrameShape(QFrame::NoFrame);

    const char* captions[] = {"My Cards", "My Costs", "My Savings"};
    std::vector<QLabel*> resultLabels;
    for (int screen = 0; screen < 3; ++screen) {
        auto* button = new QPushButton(QString::fromLatin1(captions[screen]), this);
        button->setObjectName(QStringLiteral("MyCardsCMD_%1").arg(screen));
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setFont(captionFont(10));
        // The pressed button takes the colour of the panel top, like a tab.
        button->setStyleSheet(QStringLiteral(
            "QPushButton { background: #e6edf5; color: #1d2b3a; border: 1px solid #8aa4c0; border-bottom: none;"
            " border-top-left-radius: 5px; border-top-right-radius: 5px; }"
            "QPushButton:hover { background: #f4f8fc; }"
            "QPushButton:checked { background: rgb(81, 142, 189); color: white; font-weight: bold; }"
            "QPushButton:focus { text-decoration: underline; }"));
        button->setGeometry(QRect(QPoint(kScreenButtonLefts[screen], kScreenButtonTop), kScreenButtonSize));
        m_screenButtons[screen] = button;

        auto* panel = new ScreenPanel(this);
        panel->setObjectName(QStringLiteral("Picture1_%1").arg(screen));
        panel->setGeometry(kPanelArea);
        m_panels[screen] = panel;
    }
    m_cards = buildCardsScreen(m_panels[MyCards]);
    m_costs = buildCostsScreen(m_panels[MyCosts]);
    m_savings = buildSavingsScreen(m_panels[MySavings]);

    for (int row = 0; row < kCardCount; ++row) {
        resultLabels.insert(resultLabels.end(),
                            {m_costs.MonthsLable[row], m_costs.AmountLable[row], m_savings.Savings1Lable[row],
                             m_savings.Savings2Lable[row], m_savings.Savings3Lable[row]});
    }
    m_blinker = new ResultBlinker(std::move(resultLabels), this);

    setTabOrder(m_screenButtons[MySavings], m_cards.CardNameText[0]);
}

void frmMain::connectHandlers()
{
    for (int screen = 0; screen < 3; ++screen)
        connect(m_screenButtons[screen], &QPushButton::clicked, this, [this, screen] { switchScreen(screen); });
    connect(m_cards.NextCMD, &QPushButton::clicked, this, [this] { switchScreen(MyCosts); });
    connect(m_costs.PrevCMD, &QPushButton::clicked, this, [this] { switchScreen(MyCards); });
    connect(m_costs.NextCMD, &QPushButton::clicked, this, [this] { switchScreen(MySavings); });
    connect(m_savings.PrevCMD, &QPushButton::clicked, this, [this] { switchScreen(MyCosts); });
    connect(m_cards.SaveCMD, &QPushButton::clicked, this, &frmMain::SaveMyCards);

    normaliseOnLeaving(m_cards.AnnualFeeText, Pattern::Money);
    normaliseOnLeaving(m_cards.InterestRateText, Pattern::Rate);
    normaliseOnLeaving(m_cards.TotalDueText, Pattern::Money);
    normaliseOnLeaving(m_cards.MinimumPaymentText, Pattern::Money);
    normaliseOnLeaving(m_cards.ActualPaymentText, Pattern::Money);

    for (int row = 0; row < kCardCount; ++row) {
        connect(m_costs.MiniMumCheck[row], &QCheckBox::clicked, this,
                [this, row](bool checked) { fillMinimumPayment(row, checked); });
        connect(m_costs.CalTimeCMD[row], &QPushButton::clicked, this, [this, row] { calculateTime(row); });
        connect(m_costs.CalAmountCMD[row], &QPushButton::clicked, this, [this, row] { calculateAmount(row); });
        connect(m_savings.CalSavingsCMD[row], &QPushButton::clicked, this, [this, row] { calculateSavings(row); });
        // activated: the person's choice, even of the item already shown.
        connect(m_savings.CardCombo[row], &QComboBox::activated, this, [this, row] { offerChosen(row); });
        connect(m_savings.ShowDetailsLable[row], &LinkLabel::clicked, this, [this, row] { showDetails(row); });
    }
}

void frmMain::startBanner()
{
    QWidget* banner = m_surroundings.makeBanner(
        m_bannerStrip, m_surroundings.server.resolved(QUrl(QStringLiteral("/app/CCAppBanner.htm"))));
    banner->setObjectName(QStringLiteral("wb1"));
    banner->setGeometry(kBannerInStrip);
}

void frmMain::startOfferDownload()
{
    m_offerDownload.start(m_surroundings.server.resolved(QUrl(QStringLiteral("/app/newCCOffers.txt"))),
                          m_surroundings.offerTimeoutMs);
}

void frmMain::paintPanels()
{
    const QPixmap tile(QStringLiteral(":/plenwick/tile_strip.png"));
    for (ScreenPanel* panel : m_panels)
        panel->FillPic(tile);
}

void frmMain::normaliseOnLeaving(const PerCard<QLineEdit>& boxes, Pattern pattern)
{
    for (QLineEdit* box : boxes) {
        m_normalisedFields.insert(box, pattern);
        box->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        const auto field = m_normalisedFields.constFind(watched);
        if (field != m_normalisedFields.constEnd()) {
            auto* box = static_cast<QLineEdit*>(watched);
            box->setText(QString::fromStdString(FormatByPattern(text(box), *field)));
        }
    }
    return QWidget::eventFilter(watched, event);
}

CardBook frmMain::shownCards() const
{
    CardBook book;
    const auto columns = m_cards.fields();
    for (int row = 0; row < kCardCount; ++row) {
        for (int field = 0; field < CardRow::FieldCount; ++field)
            book[row].fields[field] = (*columns[field])[row]->text();
    }
    return book;
}

void frmMain::showCards(const CardBook& book)
{
    const auto columns = m_cards.fields();
    for (int row = 0; row < kCardCount; ++row) {
        for (int field = 0; field < CardRow::FieldCount; ++field)
            (*columns[field])[row]->setText(book[row].fields[field]);
    }
}

void frmMain::LoadMyCards()
{
    LoadedCards loaded = m_cardStore.load();
    CardBook& book = loaded.contents.book;
    if (loaded.contents.savedAt)
        AdvanceBalances(book, monthsToAdvance(loaded.contents.savedAt->date(), m_surroundings.now().date()));
    showCards(book);

    if (!loaded.contents.wholeFile) {
        QString text =
            QStringLiteral("Some cards in %1 could not be read.").arg(QDir::toNativeSeparators(m_cardStore.path()));
        if (!loaded.keptCopy.isEmpty())
            text += QStringLiteral(" The file as it was found is kept in %1.")
                        .arg(QDir::toNativeSeparators(loaded.keptCopy));
        // Told once the window is on the screen.
        QTimer::singleShot(0, this, [this, text] { m_surroundings.messages->show(this, text, MessageIcon::Warning); });
    }
}

void frmMain::SaveMyCards()
{
    const auto failure = m_cardStore.save(cardFileText(shownCards(), m_surroundings.now()));
    if (!failure)
        return;
    m_surroundings.messages->show(
        this,
        QStringLiteral("Your cards could not be saved to %1:\n%2\n\nThe cards saved before are kept, and what you "
                       "typed is still on the screen.")
            .arg(QDir::toNativeSeparators(m_cardStore.path()), *failure),
        MessageIcon::Warning);
}

void frmMain::switchScreen(int index)
{
    if (m_screenIndex == MyCards)
        SaveMyCards();
    m_panels[index]->setVisible(true);
    m_screenIndex = static_cast<std::uint8_t>(index);
    for (int screen = 0; screen < 3; ++screen) {
        if (screen == index)
            continue;
        m_screenButtons[screen]->setChecked(false);
        m_panels[screen]->setVisible(false);
    }
    if (index == MyCosts)
        copyCards(m_costs.CardName2Text, m_costs.TotalDue2Text);
    if (index == MySavings) {
        copyCards(m_savings.CardName3Text, m_savings.TotalDue3Text);
        rebuildOfferChoices();
        selectFirstOffers();
    }
    m_screenButtons[index]->setChecked(true);
}

void frmMain::copyCards(const PerCard<QLineEdit>& names, const PerCard<QLineEdit>& totals)
{
    for (int row = 0; row < kCardCount; ++row) {
        names[row]->setText(m_cards.CardNameText[row]->text());
        totals[row]->setText(m_cards.TotalDueText[row]->text());
    }
}

void frmMain::rebuildOfferChoices()
{
    for (QComboBox* choice : m_savings.CardCombo)
        choice->clear();
    m_offerChoicesArePlaceholders = m_offers.empty();
    if (m_offerChoicesArePlaceholders) {
        for (QComboBox* choice : m_savings.CardCombo)
            choice->addItem(QString::fromLatin1(kNoCardFound.data(), kNoCardFound.size()));
    } else {
        for (const OfferRecord& offer : m_offers) {
            for (QComboBox* choice : m_savings.CardCombo)
                choice->addItem(offer.cardName);
        }
    }
    // Filling an empty list selects its first item; nothing is chosen yet.
    for (QComboBox* choice : m_savings.CardCombo)
        choice->setCurrentIndex(-1);
}

void frmMain::selectFirstOffers()
{
    for (int row = 0; row < kShownCards; ++row) {
        if (m_savings.TotalDue3Text[row]->text().isEmpty())
            continue;
        m_savings.CardCombo[row]->setCurrentIndex(0);
        offerChosen(row);
    }
}

void frmMain::fillMinimumPayment(int row, bool checked)
{
    if (!checked)
        return;
    m_costs.AmountIcanPayText[row]->setText(
        QString::fromStdString(FormatByPattern(text(m_cards.MinimumPaymentText[row]), Pattern::Money)));
}

void frmMain::showAnswer(QLabel* label, const PayoffAnswer& answer)
{
    if (answer.message)
        m_surroundings.messages->show(this, QString::fromStdString(*answer.message), answer.icon);
    if (answer.caption)
        label->setText(QString::fromStdString(*answer.caption));
}

void frmMain::calculateTime(int row)
{
    showAnswer(m_costs.MonthsLable[row],
               PayoffMonths(text(m_costs.TotalDue2Text[row]), text(m_cards.InterestRateText[row]),
                            text(m_costs.AmountIcanPayText[row])));
}

void frmMain::calculateAmount(int row)
{
    showAnswer(m_costs.AmountLable[row],
               PayoffPayment(text(m_costs.TotalDue2Text[row]), text(m_cards.InterestRateText[row]),
                             text(m_costs.DebtFreeMonthsText[row])));
}

SavingsRow frmMain::savingsRowOf(int row) const
{
    SavingsRow savingsRow;
    savingsRow.totalDue = text(m_savings.TotalDue3Text[row]);
    savingsRow.interestRate = text(m_cards.InterestRateText[row]);
    savingsRow.actualPayment = text(m_cards.ActualPaymentText[row]);
    savingsRow.monthsItem = chosenItem(m_savings.MonthsCombo[row]);
    savingsRow.amountItem = chosenItem(m_savings.AmountCombo[row]);

    const QComboBox* choice = m_savings.CardCombo[row];
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
    const PerCard<QLabel>* labels[] = {&m_savings.Savings1Lable, &m_savings.Savings2Lable, &m_savings.Savings3Lable};
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
    const int position = m_savings.CardCombo[row]->currentIndex();
    if (position < 0 || m_offerChoicesArePlaceholders)
        return;
    OpenInBrowser(m_offers.at(static_cast<std::size_t>(position)).detailsAddress, *m_surroundings.opener);
}

void frmMain::offerChosen(int row)
{
    if (m_savings.CardCombo[row]->currentIndex() >= 0)
        calculateSavings(row);
}

} // namespace plenwick
