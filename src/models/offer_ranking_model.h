#pragma once

// moc stumbles over the standard library's C++20 headers, and needs no types.
#ifndef Q_MOC_RUN
#include "plan/offer_ranking.h"
#endif

#include <QAbstractTableModel>
#include <QFont>
#include <QIdentityProxyModel>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <tuple>
#include <vector>

namespace plenwick {

// Every card's ranked offers as rows, card after card, each card's best
// first. Offer and card names are cut to a few hundred characters before the
// view sees them: eliding a name of a megabyte on every repaint would stall
// the window.
class OfferRankingModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        CardColumn,
        OfferColumn,
        IntroColumn,
        RegularRateColumn,
        TransferFeeColumn,
        AnnualFeeColumn,
        MonthsColumn,
        InterestColumn,
        SavingColumn,
        ColumnCount
    };
    static constexpr int kShownCharacters = 300;

    explicit OfferRankingModel(QObject* parent = nullptr);

    // None empties the table. A ranking shown is sorted as the last one was.
    void show(std::shared_ptr<const RankedOffers> ranked);
    // The best offer of each card is shown in bold.
    void setFont(const QFont& font);
    const RankedOffers* ranked() const { return m_ranked.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // By any column, offers that never pay off last whichever the direction,
    // ties in the ranked order; by none, in the ranked order. The keys of a
    // column are made once for each ranking.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // A position in the ranked list, or none for every card.
    void showCard(std::optional<std::size_t> ranking);

    // The position of the row's ranking in the ranked list, its card and offer.
    std::size_t rankingOf(int row) const { return rowAt(row).ranking; }
    const DebtCard& cardOf(int row) const;
    const RankOffer& offerOf(int row) const;
    const OfferOutcome& outcomeOf(int row) const;
    // The first offer of a card, when it pays off.
    bool isBest(int row) const;

    // Each row's place in the column's ascending order, in the ranked order
    // of the rows, for sorting without walking the rankings on every comparison.
    using SortKey = std::tuple<std::int64_t, std::int64_t, double>;
    std::vector<SortKey> sortKeys(int column) const;

private:
    struct Row {
        std::uint32_t ranking, position;
        std::uint8_t group; // 0: its offer pays off; 1: it never does; 2: it was not worked out
    };
    const Row& rowAt(int row) const { return m_rows[m_shown[static_cast<std::size_t>(row)]]; }
    const CardRanking& rankingAt(int row) const { return m_ranked->rankings[rankingOf(row)]; }
    QVariant text(int row, int column) const;
    QVariant toolTip(int row, int column) const;
    // The rows shown, in the order shown.
    std::vector<std::uint32_t> ordered() const;

    std::shared_ptr<const RankedOffers> m_ranked;
    std::vector<Row> m_rows;                                      // in the ranked order
    std::vector<std::uint32_t> m_shown;                           // the ranked row shown in each place
    std::optional<std::size_t> m_card;                            // the ranking shown, or all
    mutable std::array<std::vector<SortKey>, ColumnCount> m_keys; // of this ranking, made when first sorted by
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
    QFont m_font, m_boldFont; // the best offer of each card is bold
};

// The table's view of the model, which shows one card's rows or all and
// sorts by any column itself: its keys are sorted as values at once, where a
// sorting proxy would compare the rows one pair at a time through indexes.
class OfferRankingProxy : public QIdentityProxyModel {
    Q_OBJECT
public:
    explicit OfferRankingProxy(OfferRankingModel* model, QObject* parent = nullptr);

    // A position in the ranked list, or none for every card.
    void showCard(std::optional<std::size_t> ranking);

private:
    OfferRankingModel* m_model;
};

// At most so many characters of a UTF-8 text, with "…" where it was cut.
QString shortText(const std::string& text, int characters);

// The card as its name, or as "Card <n>" when it has none; cut for showing.
QString cardLabel(const DebtCard& card);

} // namespace plenwick
