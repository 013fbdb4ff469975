#pragma once

// moc stumbles over the standard library's C++20 headers, and needs no types.
#ifndef Q_MOC_RUN
#include "plan/offer_ranking.h"
#endif

#include <QAbstractTableModel>
#include <QFont>
#include <QSortFilterProxyModel>

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

    // None empties the table.
    void show(std::shared_ptr<const RankedOffers> ranked);
    // The best offer of each card is shown in bold.
    void setFont(const QFont& font);
    const RankedOffers* ranked() const { return m_ranked.get(); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The position of the row's ranking in the ranked list, its card and offer.
    std::size_t rankingOf(int row) const { return m_rows[static_cast<std::size_t>(row)].ranking; }
    const DebtCard& cardOf(int row) const;
    const RankOffer& offerOf(int row) const;
    const OfferOutcome& outcomeOf(int row) const;
    // The first offer of a card, when it pays off.
    bool isBest(int row) const;

    // Each row's place in the column's ascending order, for sorting without
    // walking the rankings on every comparison.
    using SortKey = std::tuple<std::int64_t, std::int64_t, double>;
    std::vector<SortKey> sortKeys(int column) const;
    // Counts the rankings shown, so that keys of an earlier one are not reused.
    std::uint64_t generation() const { return m_generation; }
    // 0: the row's offer pays off; 1: it never does; 2: it was not worked out.
    int group(int row) const { return m_group[static_cast<std::size_t>(row)]; }

private:
    struct Row {
        std::uint32_t ranking, position;
    };
    const CardRanking& rankingAt(int row) const { return m_ranked->rankings[rankingOf(row)]; }
    QVariant text(int row, int column) const;
    QVariant toolTip(int row, int column) const;

    std::shared_ptr<const RankedOffers> m_ranked;
    std::vector<Row> m_rows;
    std::vector<char> m_group; // per row: see group()
    std::uint64_t m_generation = 0;
    QFont m_font, m_boldFont; // the best offer of each card is bold
};

// Sorts by any column with offers that never pay off last whichever the
// direction, those not worked out after them, and shows one card's rows or all.
class OfferRankingProxy : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit OfferRankingProxy(OfferRankingModel* model, QObject* parent = nullptr);

    // A position in the ranked list, or none for every card.
    void showCard(std::optional<std::size_t> ranking);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    OfferRankingModel* m_model;
    std::optional<std::size_t> m_card;
    mutable std::vector<OfferRankingModel::SortKey> m_keys; // of one column of one ranking
    mutable int m_keyColumn = -1;
    mutable std::uint64_t m_keyGeneration = 0;
};

// At most so many characters of a UTF-8 text, with "…" where it was cut.
QString shortText(const std::string& text, int characters);

// The card as its name, or as "Card <n>" when it has none; cut for showing.
QString cardLabel(const DebtCard& card);

} // namespace plenwick
