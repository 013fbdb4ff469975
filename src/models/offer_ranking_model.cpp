#include "models/offer_ranking_model.h"

#include "cards/card_book.h"
#include "models/column_header.h"
#include "models/shown_text.h"

#include <QLocale>

#include <algorithm>
#include <initializer_list>
#include <numeric>
#include <tuple>

namespace plenwick {

namespace {

constexpr int kToolTipCharacters = 1000;
constexpr int kPlainToolTipCharacters = 80; // longer ones wrap
const QString kUnknown = QStringLiteral("unknown");
const QString kNeverRun = QStringLiteral("never");
const QString kArrow = QStringLiteral(" \u2192 ");
const QString kBestMark = QStringLiteral("\u2605 ");
const QString kUnreadable = QStringLiteral("unreadable");
const QString kNoFigure = QStringLiteral("-");
constexpr int kFieldCharacters = 20; // of a faulty field, in the table

} // namespace

// Never cut inside a character.
QString shortText(const std::string& text, int characters)
{
    std::size_t bytes = std::min(text.size(), static_cast<std::size_t>(characters) * 4);
    while (bytes < text.size() && bytes > 0 && (static_cast<unsigned char>(text[bytes]) & 0xC0) == 0x80)
        --bytes;
    QString result = QString::fromUtf8(text.data(), static_cast<qsizetype>(bytes));
    if (result.size() > characters || bytes < text.size()) {
        result.truncate(characters);
        result += QChar(0x2026);
    }
    return result;
}

namespace {

QString rateText(double rate) { return QString::fromStdString(FormatByPattern(rate, Pattern::Rate)) + u'%'; }

QString monthsText(const PayoffRunResult& run)
{
    return run.stoppedEarly ? kNeverRun : QLocale(QLocale::English, QLocale::UnitedStates).toString(run.months);
}

QString interestText(const PayoffRunResult& run) { return run.stoppedEarly ? kNeverRun : moneyText(run.interest); }

// Why an offer was not worked out, with what its faulty field said.
QString unusableText(const RankOffer& offer, int characters)
{
    if (!offer.fault)
        return QStringLiteral("unusable: its fees are past the money range");
    const QString said =
        QStringLiteral("%1 \"%2\"").arg(shownText(offer.fault->field), shortText(offer.fault->text, characters));
    return offer.fault->kind == OfferFieldFault::Kind::UnreadableRate
               ? QStringLiteral("unreadable rate: %1").arg(said)
               : QStringLiteral("unusable: %1 is past the money range").arg(said);
}

bool faultIn(const RankOffer& offer, std::initializer_list<const char*> fields)
{
    return offer.fault && offer.fault->kind == OfferFieldFault::Kind::UnreadableRate &&
           std::find(fields.begin(), fields.end(), offer.fault->field) != fields.end();
}

QString whyNever(const PayoffRunResult& run)
{
    return run.end == RunEnd::TooLong ? QStringLiteral("Still owing after 5,000,000 months of interest.")
                                      : QStringLiteral("The actual payment does not cover a month's interest.");
}

QString toolTipOf(const std::string& name)
{
    const QString shown = shortText(name, kToolTipCharacters);
    return shown.size() <= kPlainToolTipCharacters ? shown : QStringLiteral("<p>%1</p>").arg(shown.toHtmlEscaped());
}

// A saving where the card as it is never pays off is larger than any other;
// among those, the lower cost wins.
std::tuple<bool, std::int64_t> savingKey(const OfferOutcome& outcome)
{
    if (outcome.netSaving)
        return {false, outcome.netSaving->ticks()};
    return {true, outcome.cost ? -outcome.cost->ticks() : 0};
}

std::int64_t feeKey(const std::optional<MoneyAmount>& fee) { return fee ? fee->ticks() : -1; }

} // namespace

QString cardLabel(const DebtCard& card)
{
    return card.name.empty() ? cardTitle(static_cast<int>(card.row))
                             : shortText(card.name, OfferRankingModel::kShownCharacters);
}

OfferRankingModel::OfferRankingModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    setFont(m_font);
}

void OfferRankingModel::setFont(const QFont& font)
{
    m_font = font;
    m_boldFont = font;
    m_boldFont.setBold(true);
}

void OfferRankingModel::show(std::shared_ptr<const RankedOffers> ranked)
{
    beginResetModel();
    m_ranked = std::move(ranked);
    m_rows.clear();
    for (auto& keys : m_keys)
        keys.clear();
    if (m_ranked) {
        for (std::size_t r = 0; r < m_ranked->rankings.size(); ++r) {
            for (std::size_t p = 0; p < m_ranked->rankings[r].offers.size(); ++p) {
                const OfferOutcome& outcome = m_ranked->rankings[r].offers[p];
                const auto group = static_cast<std::uint8_t>(outcome.unusable ? 2 : outcome.paidOff() ? 0 : 1);
                m_rows.push_back({static_cast<std::uint32_t>(r), static_cast<std::uint32_t>(p), group});
            }
        }
    }
    m_shown = ordered();
    endResetModel();
}

void OfferRankingModel::sort(int column, Qt::SortOrder order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> rankedBefore;
    rankedBefore.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        rankedBefore.push_back(m_shown[static_cast<std::size_t>(index.row())]);
    m_sortColumn = column;
    m_sortOrder = order;
    m_shown = ordered();
    std::vector<int> placeOf(m_rows.size());
    for (std::size_t place = 0; place < m_shown.size(); ++place)
        placeOf[m_shown[place]] = static_cast<int>(place);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype i = 0; i < before.size(); ++i)
        after << index(placeOf[rankedBefore[static_cast<std::size_t>(i)]], before[i].column());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Not a reset, which would give the table's columns their first widths again.
void OfferRankingModel::showCard(std::optional<std::size_t> ranking)
{
    if (!m_shown.empty()) {
        beginRemoveRows({}, 0, rowCount() - 1);
        m_shown.clear();
        endRemoveRows();
    }
    m_card = ranking;
    std::vector<std::uint32_t> shown = ordered();
    if (shown.empty())
        return;
    beginInsertRows({}, 0, static_cast<int>(shown.size()) - 1);
    m_shown = std::move(shown);
    endInsertRows();
}

std::vector<std::uint32_t> OfferRankingModel::ordered() const
{
    std::vector<std::uint32_t> shown;
    shown.reserve(m_rows.size());
    for (std::uint32_t r = 0; r < m_rows.size(); ++r) {
        if (!m_card || m_rows[r].ranking == *m_card)
            shown.push_back(r);
    }
    if (m_sortColumn < 0 || m_sortColumn >= ColumnCount || shown.empty())
        return shown;
    std::vector<SortKey>& keys = m_keys[static_cast<std::size_t>(m_sortColumn)];
    if (keys.empty())
        keys = sortKeys(m_sortColumn);
    // Sorted whole, as values, from the ranked order: ties keep it. Offers
    // never paid off go last whichever the direction, and those not worked
    // out after them.
    struct Place {
        SortKey key;
        std::uint32_t ranked;
    };
    std::vector<Place> places;
    places.reserve(shown.size());
    for (const int group : {0, 1, 2}) {
        const auto first = static_cast<std::ptrdiff_t>(places.size());
        for (const std::uint32_t r : shown) {
            if (m_rows[r].group == group)
                places.push_back({keys[r], r});
        }
        if (m_sortOrder == Qt::AscendingOrder)
            std::stable_sort(places.begin() + first, places.end(),
                             [](const Place& a, const Place& b) { return a.key < b.key; });
        else
            std::stable_sort(places.begin() + first, places.end(),
                             [](const Place& a, const Place& b) { return b.key < a.key; });
    }
    for (std::size_t place = 0; place < places.size(); ++place)
        shown[place] = places[place].ranked;
    return shown;
}

int OfferRankingModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int OfferRankingModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

const DebtCard& OfferRankingModel::cardOf(int row) const { return m_ranked->cards[rankingAt(row).card]; }

const OfferOutcome& OfferRankingModel::outcomeOf(int row) const { return rankingAt(row).offers[rowAt(row).position]; }

const RankOffer& OfferRankingModel::offerOf(int row) const { return (*m_ranked->offers)[outcomeOf(row).offer]; }

bool OfferRankingModel::isBest(int row) const { return rowAt(row).position == 0 && outcomeOf(row).paidOff(); }

QVariant OfferRankingModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole: return text(row, column);
    case Qt::ToolTipRole: return toolTip(row, column);
    case Qt::FontRole: return isBest(row) ? m_boldFont : m_font;
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (column <= OfferColumn ? Qt::AlignLeft : Qt::Alignment(Qt::AlignRight)));
    default: return {};
    }
}

QVariant OfferRankingModel::text(int row, int column) const
{
    const OfferOutcome& outcome = outcomeOf(row);
    const RankOffer& offer = offerOf(row);
    const CardAsItIs& asItIs = rankingAt(row).asItIs;
    switch (column) {
    case CardColumn: return cardLabel(cardOf(row));
    case OfferColumn: return (isBest(row) ? kBestMark : QString()) + shortText(offer.name, kShownCharacters);
    case IntroColumn:
        if (faultIn(offer, {"intro months", "intro rate"}))
            return kUnreadable;
        return offer.plan.introMonths > 0
                   ? QStringLiteral("%1 mo at %2").arg(offer.plan.introMonths).arg(rateText(offer.plan.introRate))
                   : QStringLiteral("none");
    case RegularRateColumn: return faultIn(offer, {"regular rate"}) ? kUnreadable : rateText(offer.plan.regularRate);
    case TransferFeeColumn:
        if (!offer.transferFeePercent)
            return kUnknown;
        if (outcome.unusable)
            return rateText(*offer.transferFeePercent);
        return QStringLiteral("%1 (%2)").arg(moneyText(outcome.transferFee), rateText(*offer.transferFeePercent));
    case AnnualFeeColumn:
        if (offer.fault && offer.fault->kind == OfferFieldFault::Kind::FeeOutOfRange)
            return QStringLiteral("past the money range");
        return offer.annualFee ? moneyText(*offer.annualFee) : kUnknown;
    case MonthsColumn:
        return monthsText(asItIs.run) + kArrow + (outcome.unusable ? kNoFigure : monthsText(outcome.run));
    case InterestColumn:
        return interestText(asItIs.run) + kArrow + (outcome.unusable ? kNoFigure : interestText(outcome.run));
    case SavingColumn:
        if (outcome.unusable)
            return unusableText(offer, kFieldCharacters);
        if (!outcome.paidOff())
            return QStringLiteral("never paid off");
        return outcome.netSaving ? moneyText(*outcome.netSaving) : QStringLiteral("card never paid off");
    default: return {};
    }
}

QVariant OfferRankingModel::toolTip(int row, int column) const
{
    // Every figure of an offer not worked out says why, the narrow ones too.
    if (column > OfferColumn && outcomeOf(row).unusable)
        return toolTipOf(unusableText(offerOf(row), kToolTipCharacters).toStdString());
    switch (column) {
    case CardColumn: return toolTipOf(cardOf(row).name);
    case OfferColumn: return toolTipOf(offerOf(row).name);
    case MonthsColumn:
    case InterestColumn:
    case SavingColumn: {
        const PayoffRunResult& offerRun = outcomeOf(row).run;
        const PayoffRunResult& cardRun = rankingAt(row).asItIs.run;
        if (offerRun.stoppedEarly)
            return QStringLiteral("With the offer: %1").arg(whyNever(offerRun));
        if (cardRun.stoppedEarly)
            return QStringLiteral("As it is: %1").arg(whyNever(cardRun));
        return {};
    }
    default: return {};
    }
}

QVariant OfferRankingModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const kTitles[ColumnCount] = {"Card",
                                                     "Offer",
                                                     "Intro",
                                                     "Rate",
                                                     "Transfer fee",
                                                     "Annual fee",
                                                     "Months\nnow \u2192 offer",
                                                     "Interest\nnow \u2192 offer",
                                                     "Net saving"};
    static const char* const kTips[ColumnCount] = {
        "Your card that owes",
        "The advertised card; \u2605 marks the best for each of your cards",
        "The introductory months and their rate",
        "The rate after the introductory months",
        "What moving the balance costs: a percent of it, added to the balance",
        "The offer's yearly fee, counted for each year begun until the balance is paid off",
        "Months to pay off at your actual payment: as now, and with the offer",
        "Interest until paid off: as now, and with the offer",
        "Your card's interest and annual fees, less the offer's interest, transfer fee and annual fees"};
    if (orientation != Qt::Horizontal)
        return {};
    return role == Qt::FontRole ? QVariant(m_font) : columnHeader(kTitles, kTips, section, role);
}

std::vector<OfferRankingModel::SortKey> OfferRankingModel::sortKeys(int column) const
{
    std::vector<std::int64_t> nameOrder;
    if (column == OfferColumn && m_ranked) {
        const auto& offers = *m_ranked->offers;
        std::vector<std::uint32_t> byName(offers.size());
        std::iota(byName.begin(), byName.end(), 0U);
        std::stable_sort(byName.begin(), byName.end(),
                         [&](std::uint32_t a, std::uint32_t b) { return offers[a].name < offers[b].name; });
        nameOrder.resize(offers.size());
        for (std::size_t place = 0; place < byName.size(); ++place)
            nameOrder[byName[place]] = static_cast<std::int64_t>(place);
    }
    std::vector<SortKey> keys;
    keys.reserve(m_rows.size());
    for (const Row& row : m_rows) {
        const OfferOutcome& outcome = m_ranked->rankings[row.ranking].offers[row.position];
        const RankOffer& offer = (*m_ranked->offers)[outcome.offer];
        switch (column) {
        case CardColumn: keys.emplace_back(row.ranking, row.position, 0.0); break;
        case OfferColumn: keys.emplace_back(nameOrder[outcome.offer], 0, 0.0); break;
        case IntroColumn: keys.emplace_back(offer.plan.introMonths, 0, offer.plan.introRate); break;
        case RegularRateColumn: keys.emplace_back(0, 0, offer.plan.regularRate); break;
        case TransferFeeColumn:
            keys.emplace_back(feeKey(offer.transferFeePercent ? std::optional(outcome.transferFee) : std::nullopt), 0,
                              0.0);
            break;
        case AnnualFeeColumn: keys.emplace_back(feeKey(offer.annualFee), 0, 0.0); break;
        case MonthsColumn: keys.emplace_back(outcome.run.months, 0, 0.0); break;
        case InterestColumn: keys.emplace_back(outcome.run.interest.ticks(), 0, 0.0); break;
        default: {
            const auto [cardNeverPaidOff, saving] = savingKey(outcome);
            keys.emplace_back(cardNeverPaidOff ? 1 : 0, saving, 0.0);
        }
        }
    }
    return keys;
}

OfferRankingProxy::OfferRankingProxy(OfferRankingModel* model, QObject* parent)
    : QIdentityProxyModel(parent)
    , m_model(model)
{
    setSourceModel(model);
}

void OfferRankingProxy::showCard(std::optional<std::size_t> ranking) { m_model->showCard(ranking); }

} // namespace plenwick
