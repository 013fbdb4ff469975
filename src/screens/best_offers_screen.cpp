#include "screens/best_offers_screen.h"

#include "models/card_numbers.h"
#include "models/offer_ranking_model.h"
#include "models/shown_text.h"
#include "offers/offer_file.h"
#include "widgets/accessible_widgets.h"
#include "widgets/data_table.h"
#include "widgets/result_blinker.h"
#include "widgets/theme.h"

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

BestOffersScreen::BestOffersScreen(ScreenContext context, QWidget* parent)
    : CardScreen(parent)
    , m_context(std::move(context))
{
    setObjectName(QStringLiteral("Picture1_4"));
    QVBoxLayout* layout = screenLayout(this);
    addHeader(this, layout, QStringLiteral("Label1_4"),
              QStringLiteral("Every advertised card against each of your cards that owes: the balance moved with "
                             "its transfer fee, paid at your actual payment, with the annual fees. The best offer "
                             "for each card comes first."));
    addControls(layout);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("rankStatus"));
    m_status->setFont(theme::captionFont());
    m_status->setStyleSheet(theme::noteStyle());
    m_status->setTextFormat(Qt::PlainText);
    m_status->setWordWrap(true);
    layout->addWidget(m_status);
    layout->addWidget(buildTable(), 1);
    addCommands(layout);

    setTabOrder(m_cardChoice, m_rank);
    setTabOrder(m_rank, m_cancel);
    setTabOrder(m_cancel, m_table);
    setTabOrder(m_table, m_showDetails);
    setTabOrder(m_showDetails, m_useInPlan);

    setRunning(false);
    rowChosen();
    connect(&m_job, &OfferRankingJob::progressed, this, &BestOffersScreen::showProgress);
    connect(&m_job, &OfferRankingJob::finished, this, &BestOffersScreen::showRanked);
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this, &BestOffersScreen::rowChosen);
    // A reset clears the selection without a word.
    connect(m_proxy, &QAbstractItemModel::modelReset, this, &BestOffersScreen::rowChosen);
    // Enter or a double click, as the platform activates an item.
    connect(m_table, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { showDetailsOf(m_proxy->mapToSource(index).row()); });
}

void BestOffersScreen::addControls(QVBoxLayout* layout)
{
    auto* controls = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Show"), this);
    caption->setObjectName(QStringLiteral("cardChoiceCaption"));
    caption->setFont(theme::boldCaptionFont());
    m_cardChoice = new QComboBox(this);
    m_cardChoice->setObjectName(QStringLiteral("cardChoice"));
    nameForScreenReaders(m_cardChoice, QStringLiteral("Cards shown"));
    m_cardChoice->setFont(theme::captionFont());
    m_cardChoice->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cardChoice->setMinimumContentsLength(theme::kCardChoiceCharacters);
    m_cardChoice->addItem(QStringLiteral("All cards"));
    caption->setBuddy(m_cardChoice);
    m_rank = commandButton(this, QStringLiteral("rankButton"), QStringLiteral("Rank"));
    m_cancel = commandButton(this, QStringLiteral("cancelRankButton"), QStringLiteral("Cancel"));
    m_cardChoice->setToolTip(QStringLiteral("Show the offers for all your cards, or for one"));
    m_rank->setToolTip(QStringLiteral("Ranks every offer against your cards again"));
    m_cancel->setToolTip(QStringLiteral("Stops the ranking under way"));
    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("rankProgress"));
    m_progress->setAccessibleName(QStringLiteral("Offers ranked"));
    m_progress->setFont(theme::boxFont());
    m_progress->setFixedWidth(theme::kRankProgressWidth);
    keepSpaceWhenHidden(m_progress);
    keepSpaceWhenHidden(m_cancel);
    controls->addWidget(caption);
    controls->addWidget(m_cardChoice);
    controls->addSpacing(theme::kScreenMargin);
    controls->addWidget(m_rank);
    controls->addWidget(m_progress);
    controls->addWidget(m_cancel);
    controls->addStretch(1);
    layout->addLayout(controls);

    connect(m_rank, &QPushButton::clicked, this, [this] {
        if (!rankedLast() || m_cancelled)
            start();
    });
    connect(m_cancel, &QPushButton::clicked, this, &BestOffersScreen::cancel);
    connect(m_cardChoice, &QComboBox::currentIndexChanged, this, &BestOffersScreen::chooseCard);
}

QWidget* BestOffersScreen::firstField() const { return m_cardChoice; }

void BestOffersScreen::addCommands(QVBoxLayout* layout)
{
    auto* commands = new QHBoxLayout;
    auto* previous = commandButton(this, QStringLiteral("PrevCMD_4"), QStringLiteral("<< Previous"));
    previous->setFixedSize(theme::kNavigationButtonSize);
    m_showDetails = commandButton(this, QStringLiteral("showDetailsButton"), QStringLiteral("Show Details"));
    m_useInPlan = commandButton(this, QStringLiteral("useInPlanButton"), QStringLiteral("Use in My Plan"));
    m_showDetails->setToolTip(QStringLiteral("Opens the chosen offer's own page in your web browser"));
    m_useInPlan->setToolTip(
        QStringLiteral("Moves the card to the chosen offer in My Plan; you can take it back there"));
    commands->addWidget(previous);
    commands->addStretch(1);
    commands->addWidget(m_showDetails);
    commands->addWidget(m_useInPlan);
    layout->addLayout(commands);
    setTabOrder(m_useInPlan, previous);

    connect(m_showDetails, &QPushButton::clicked, this, [this] {
        if (const auto row = chosenRow())
            showDetailsOf(*row);
    });
    connect(m_useInPlan, &QPushButton::clicked, this, &BestOffersScreen::useChosenInPlan);
    connect(previous, &QPushButton::clicked, this, &BestOffersScreen::previousRequested);
}

BestOffersScreen::~BestOffersScreen() = default;

QWidget* BestOffersScreen::buildTable()
{
    m_model = new OfferRankingModel(this);
    m_model->setFont(theme::boxFont());
    m_proxy = new OfferRankingProxy(m_model, this);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("offersView"));
    m_table->setAccessibleName(QStringLiteral("Offers ranked for each card"));
    m_table->setFont(theme::boxFont());
    m_table->setModel(m_proxy);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTextElideMode(Qt::ElideRight);
    m_table->setWordWrap(false);
    m_table->setAlternatingRowColors(true);
    leaveWithTab(m_table); // a hundred cells are not stepped through on the way to the buttons
    m_table->verticalHeader()->hide();
    // Fixed heights: nothing measures a hundred thousand rows.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(theme::kTableRowHeight);
    QHeaderView* header = m_table->horizontalHeader();
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
    m_table->setSortingEnabled(true);
    return m_table;
}

bool BestOffersScreen::rankedLast() const
{
    return m_ranked && m_ranked->cards == m_cards && m_ranked->offers == m_offers;
}

void BestOffersScreen::setOffers(const OfferList& offers, const OfferFileShortfall& shortfall)
{
    m_offers = rankOffersOf(offers);
    m_shortfall = shortfall;
    dropRanking();
    if (isVisible())
        start();
}

void BestOffersScreen::enter(const CardBook& book)
{
    m_cards = book;
    if (!rankedLast())
        start();
}

void BestOffersScreen::dropRanking()
{
    m_job.cancel();
    setRunning(false);
    m_ranked.reset();
}

void BestOffersScreen::start()
{
    m_job.cancel();
    m_model->show(nullptr);
    m_cancelled = false;
    m_ranked = Ranked{m_cards, m_offers};
    std::vector<DebtCard> cards = debtCardsOf(m_cards);
    const std::size_t offers = m_offers->size();
    if (offers == 0 || cards.empty()) {
        setRunning(false);
        m_status->setText(offers > 0             ? QStringLiteral("No card on My Cards has a total due above 0.")
                          : m_context.noServer   ? kNoServerText
                          : m_shortfall.tooLarge ? QStringLiteral("The offer list on the server was too large (over "
                                                                  "1 MiB), so no offers were read.")
                                                 : QStringLiteral("No offers have come from the server yet."));
        return;
    }
    m_status->setText(QStringLiteral("Ranking %1 against %2\u2026")
                          .arg(count(offers, "offer", "offers"), count(cards.size(), "card", "cards")));
    m_progress->setRange(0, static_cast<int>(offers));
    m_progress->setValue(0);
    setRunning(true);
    m_job.start(std::move(cards), m_offers);
}

void BestOffersScreen::cancel()
{
    m_job.cancel();
    m_cancelled = true;
    setRunning(false);
    m_status->setText(QStringLiteral("Ranking cancelled. Press Rank to start again."));
}

void BestOffersScreen::setRunning(bool running)
{
    m_progress->setVisible(running);
    m_cancel->setVisible(running);
    m_rank->setEnabled(!running);
}

void BestOffersScreen::showProgress(int done, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void BestOffersScreen::showRanked(std::shared_ptr<const RankedOffers> ranked)
{
    setRunning(false);
    const int chosen = m_cardChoice->currentIndex();
    {
        const QSignalBlocker quiet(m_cardChoice);
        m_cardChoice->clear();
        m_cardChoice->addItem(QStringLiteral("All cards"));
        for (const CardRanking& ranking : ranked->rankings) {
            const DebtCard& card = ranked->cards[ranking.card];
            m_cardChoice->addItem(QStringLiteral("%1: %2").arg(cardTitle(static_cast<int>(card.row)), cardLabel(card)));
        }
        m_cardChoice->setCurrentIndex(chosen < m_cardChoice->count() ? std::max(chosen, 0) : 0);
    }
    QString status =
        QStringLiteral("%1 ranked against %2. \u2605 marks the best offer for each card; offers "
                       "never paid off come last, and those that cannot be worked out after them.")
            .arg(count(ranked->offers->size(), "offer", "offers"), count(ranked->rankings.size(), "card", "cards"));
    if (m_shortfall.linesLeftOut > 0)
        status += QStringLiteral(" Left out: %1 past the first %2 the list can hold.")
                      .arg(count(m_shortfall.linesLeftOut, "offer", "offers"),
                           QLocale(QLocale::English, QLocale::UnitedStates).toString(kMostOffers));
    m_status->setText(status);
    m_model->show(std::move(ranked));
    chooseCard(m_cardChoice->currentIndex());
}

void BestOffersScreen::chooseCard(int index)
{
    m_proxy->showCard(index > 0 ? std::optional(static_cast<std::size_t>(index - 1)) : std::nullopt);
}

std::optional<int> BestOffersScreen::chosenRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return std::nullopt;
    return m_proxy->mapToSource(rows.first()).row();
}

void BestOffersScreen::rowChosen()
{
    const bool chosen = chosenRow().has_value();
    m_showDetails->setEnabled(chosen);
    m_useInPlan->setEnabled(chosen);
}

void BestOffersScreen::showDetailsOf(int row)
{
    OpenInBrowser(shownText(m_model->offerOf(row).detailsAddress), *m_context.opener);
}

void BestOffersScreen::useChosenInPlan()
{
    const auto row = chosenRow();
    if (!row)
        return;
    const DebtCard& card = m_model->cardOf(*row);
    const RankOffer& offer = m_model->offerOf(*row);
    if (m_model->outcomeOf(*row).unusable) {
        m_status->setText(QStringLiteral("%1 cannot be worked out, so it cannot go into My Plan.")
                              .arg(shortText(offer.name, kNameInStatus)));
        return;
    }
    emit planMoveAsked(card.row, OfferMove{offer.name, offer.plan, m_model->outcomeOf(*row).transferFee});
    m_status->setText(QStringLiteral("%1 moves to %2 in My Plan.")
                          .arg(cardTitle(static_cast<int>(card.row)), shortText(offer.name, kNameInStatus)));
}

} // namespace plenwick
