#include "app/best_offers_screen.h"

#include "app/offer_ranking_model.h"
#include "app/plan_result.h"
#include "app/theme.h"
#include "screens/result_blinker.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace plenwick {

namespace {

constexpr int kNameInStatus = 60;

QString count(std::size_t number, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(
        QLocale(QLocale::English, QLocale::UnitedStates).toString(static_cast<qulonglong>(number)),
        QLatin1String(number == 1 ? one : many));
}

} // namespace

BestOffersScreen::BestOffersScreen(QWidget* parent)
    : ScreenPanel(parent)
{
    setObjectName(QStringLiteral("Picture1_4"));
    QVBoxLayout* layout = screenLayout(this);
    addHeader(this, layout, QStringLiteral("Label1_4"),
              QStringLiteral("Every advertised card against each of your cards that owes: the balance moved with "
                             "its transfer fee, paid at your actual payment, with the annual fees. The best offer "
                             "for each card comes first."));

    auto* controls = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Show"), this);
    caption->setObjectName(QStringLiteral("CardChoiceCaption"));
    caption->setFont(theme::boldCaptionFont());
    CardChoiceCombo = new QComboBox(this);
    CardChoiceCombo->setObjectName(QStringLiteral("CardChoiceCombo"));
    CardChoiceCombo->setAccessibleName(QStringLiteral("Cards shown"));
    CardChoiceCombo->setFont(theme::captionFont());
    CardChoiceCombo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CardChoiceCombo->setMinimumContentsLength(theme::kCardChoiceCharacters);
    CardChoiceCombo->addItem(QStringLiteral("All cards"));
    caption->setBuddy(CardChoiceCombo);
    RankCMD = commandButton(this, QStringLiteral("RankCMD"), QStringLiteral("Rank"));
    CancelRankCMD = commandButton(this, QStringLiteral("CancelRankCMD"), QStringLiteral("Cancel"));
    RankProgress = new QProgressBar(this);
    RankProgress->setObjectName(QStringLiteral("RankProgress"));
    RankProgress->setAccessibleName(QStringLiteral("Offers ranked"));
    RankProgress->setFont(theme::boxFont());
    RankProgress->setFixedWidth(theme::kRankProgressWidth);
    keepSpaceWhenHidden(RankProgress);
    keepSpaceWhenHidden(CancelRankCMD);
    controls->addWidget(caption);
    controls->addWidget(CardChoiceCombo);
    controls->addSpacing(theme::kScreenMargin);
    controls->addWidget(RankCMD);
    controls->addWidget(RankProgress);
    controls->addWidget(CancelRankCMD);
    controls->addStretch(1);
    layout->addLayout(controls);

    RankStatus = new QLabel(this);
    RankStatus->setObjectName(QStringLiteral("RankStatus"));
    RankStatus->setFont(theme::captionFont());
    RankStatus->setStyleSheet(theme::noteStyle());
    RankStatus->setTextFormat(Qt::PlainText);
    RankStatus->setWordWrap(true);
    layout->addWidget(RankStatus);
    layout->addWidget(buildTable(), 1);

    auto* commands = new QHBoxLayout;
    PrevCMD = commandButton(this, QStringLiteral("PrevCMD_4"), QStringLiteral("<< Previous"));
    PrevCMD->setFixedSize(theme::kNavigationButtonSize);
    ShowDetailsCMD = commandButton(this, QStringLiteral("ShowDetailsCMD"), QStringLiteral("Show Details"));
    UseInPlanCMD = commandButton(this, QStringLiteral("UseInPlanCMD"), QStringLiteral("Use in My Plan"));
    commands->addWidget(PrevCMD);
    commands->addStretch(1);
    commands->addWidget(ShowDetailsCMD);
    commands->addWidget(UseInPlanCMD);
    layout->addLayout(commands);

    setTabOrder(CardChoiceCombo, RankCMD);
    setTabOrder(RankCMD, CancelRankCMD);
    setTabOrder(CancelRankCMD, OffersTable);
    setTabOrder(OffersTable, ShowDetailsCMD);
    setTabOrder(ShowDetailsCMD, UseInPlanCMD);
    setTabOrder(UseInPlanCMD, PrevCMD);

    setRunning(false);
    rowChosen();
    connect(&m_job, &OfferRankingJob::progressed, this, &BestOffersScreen::showProgress);
    connect(&m_job, &OfferRankingJob::finished, this, &BestOffersScreen::showRanked);
    connect(RankCMD, &QPushButton::clicked, this, &BestOffersScreen::rankAsked);
    connect(CancelRankCMD, &QPushButton::clicked, this, &BestOffersScreen::cancelAsked);
    connect(CardChoiceCombo, &QComboBox::currentIndexChanged, this, &BestOffersScreen::chooseCard);
    connect(OffersTable->selectionModel(), &QItemSelectionModel::selectionChanged, this, &BestOffersScreen::rowChosen);
    // A reset clears the selection without a word.
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &BestOffersScreen::rowChosen);
    // Enter or a double click, as the platform activates an item.
    connect(OffersTable, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { showDetailsOf(m_proxy->mapToSource(index).row()); });
    connect(ShowDetailsCMD, &QPushButton::clicked, this, [this] {
        if (const auto row = chosenRow())
            showDetailsOf(*row);
    });
    connect(UseInPlanCMD, &QPushButton::clicked, this, &BestOffersScreen::useChosenInPlan);
    connect(PrevCMD, &QPushButton::clicked, this, &BestOffersScreen::previousRequested);
}

BestOffersScreen::~BestOffersScreen() = default;

QWidget* BestOffersScreen::buildTable()
{
    m_model = new OfferRankingModel(this);
    m_proxy = new OfferRankingProxy(m_model, this);
    OffersTable = new QTableView(this);
    OffersTable->setObjectName(QStringLiteral("OffersTable"));
    OffersTable->setAccessibleName(QStringLiteral("Offers ranked for each card"));
    OffersTable->setFont(theme::boxFont());
    OffersTable->setModel(m_proxy);
    OffersTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    OffersTable->setSelectionMode(QAbstractItemView::SingleSelection);
    OffersTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    OffersTable->setTextElideMode(Qt::ElideRight);
    OffersTable->setWordWrap(false);
    OffersTable->setAlternatingRowColors(true);
    OffersTable->verticalHeader()->hide();
    // Fixed heights: nothing measures a hundred thousand rows.
    OffersTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    OffersTable->verticalHeader()->setDefaultSectionSize(theme::kTableRowHeight);
    QHeaderView* header = OffersTable->horizontalHeader();
    header->setFont(theme::boxFont());
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->setStretchLastSection(true);
    // A reset of the model gives every column the default width again.
    const auto setWidths = [header] {
        for (int column = 0; column < OfferRankingModel::ColumnCount; ++column)
            header->resizeSection(column, theme::kBestOffersColumnWidths[column]);
    };
    setWidths();
    connect(m_proxy, &QAbstractItemModel::modelReset, header, setWidths);
    // The ranked order until the person sorts by a column.
    header->setSortIndicator(-1, Qt::AscendingOrder);
    OffersTable->setSortingEnabled(true);
    return OffersTable;
}

BestOffersScreen::Inputs BestOffersScreen::inputsOf(const CardBook& book, const OfferList& offers)
{
    Inputs inputs{{}, offers};
    std::copy_n(book.begin(), kShownCards, inputs.cards.begin());
    return inputs;
}

bool BestOffersScreen::rankedLast(const CardBook& book, const OfferList& offers) const
{
    return m_inputs && std::equal(m_inputs->cards.begin(), m_inputs->cards.end(), book.begin()) &&
           m_inputs->offers == offers;
}

void BestOffersScreen::showFor(const CardBook& book, const OfferList& offers)
{
    if (!rankedLast(book, offers))
        start(inputsOf(book, offers));
}

void BestOffersScreen::rank(const CardBook& book, const OfferList& offers)
{
    if (!rankedLast(book, offers) || m_cancelled)
        start(inputsOf(book, offers));
}

void BestOffersScreen::dropRanking()
{
    m_job.cancel();
    setRunning(false);
    m_inputs.reset();
}

void BestOffersScreen::start(Inputs inputs)
{
    m_job.cancel();
    m_model->show(nullptr);
    m_cancelled = false;
    std::vector<DebtCard> cards = debtCardsOf(inputs.cards);
    const std::size_t offers = inputs.offers.size();
    m_inputs = std::move(inputs);
    if (offers == 0 || cards.empty()) {
        setRunning(false);
        RankStatus->setText(offers == 0 ? QStringLiteral("No offers have come from the server yet.")
                                        : QStringLiteral("No card on My Cards has a total due above 0."));
        return;
    }
    RankStatus->setText(QStringLiteral("Ranking %1 against %2\u2026")
                            .arg(count(offers, "offer", "offers"), count(cards.size(), "card", "cards")));
    RankProgress->setRange(0, static_cast<int>(offers));
    RankProgress->setValue(0);
    setRunning(true);
    m_job.start(std::move(cards), m_inputs->offers);
}

void BestOffersScreen::cancelAsked()
{
    m_job.cancel();
    m_cancelled = true;
    setRunning(false);
    RankStatus->setText(QStringLiteral("Ranking cancelled. Press Rank to start again."));
}

void BestOffersScreen::setRunning(bool running)
{
    RankProgress->setVisible(running);
    CancelRankCMD->setVisible(running);
    RankCMD->setEnabled(!running);
}

void BestOffersScreen::showProgress(int done, int total)
{
    RankProgress->setRange(0, total);
    RankProgress->setValue(done);
}

void BestOffersScreen::showRanked(std::shared_ptr<const RankedOffers> ranked)
{
    setRunning(false);
    const int chosen = CardChoiceCombo->currentIndex();
    {
        const QSignalBlocker quiet(CardChoiceCombo);
        CardChoiceCombo->clear();
        CardChoiceCombo->addItem(QStringLiteral("All cards"));
        for (const CardRanking& ranking : ranked->rankings) {
            const DebtCard& card = ranked->cards[ranking.card];
            CardChoiceCombo->addItem(
                QStringLiteral("%1: %2").arg(cardTitle(static_cast<int>(card.row)), cardLabel(card)));
        }
        CardChoiceCombo->setCurrentIndex(chosen < CardChoiceCombo->count() ? std::max(chosen, 0) : 0);
    }
    RankStatus->setText(
        QStringLiteral("%1 ranked against %2. \u2605 marks the best offer for each card; offers "
                       "never paid off come last.")
            .arg(count(ranked->offers.size(), "offer", "offers"), count(ranked->rankings.size(), "card", "cards")));
    m_model->show(std::move(ranked));
    chooseCard(CardChoiceCombo->currentIndex());
}

void BestOffersScreen::chooseCard(int index)
{
    m_proxy->showCard(index > 0 ? std::optional(static_cast<std::size_t>(index - 1)) : std::nullopt);
}

std::optional<int> BestOffersScreen::chosenRow() const
{
    const QModelIndexList rows = OffersTable->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_proxy->mapToSource(rows.first()).row();
}

void BestOffersScreen::rowChosen()
{
    const bool chosen = chosenRow().has_value();
    ShowDetailsCMD->setEnabled(chosen);
    UseInPlanCMD->setEnabled(chosen);
}

void BestOffersScreen::showDetailsOf(int row)
{
    emit detailsAsked(QString::fromStdString(m_model->offerOf(row).detailsAddress));
}

void BestOffersScreen::useChosenInPlan()
{
    const auto row = chosenRow();
    if (!row)
        return;
    const DebtCard& card = m_model->cardOf(*row);
    const RankOffer& offer = m_model->offerOf(*row);
    emit planMoveAsked(static_cast<int>(card.row),
                       OfferMove{QString::fromStdString(offer.name), offer.plan, m_model->outcomeOf(*row).transferFee});
    RankStatus->setText(QStringLiteral("%1 moves to %2 in My Plan.")
                            .arg(cardTitle(static_cast<int>(card.row)), shortText(offer.name, kNameInStatus)));
}

} // namespace plenwick
