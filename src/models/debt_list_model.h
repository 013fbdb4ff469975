#pragma once

#include "cards/card_book.h"
#include "cards/plan_file.h"

#include <QAbstractTableModel>

namespace plenwick {

// The debts My Plan pays, in the person's own order: the cards of My Cards
// (shown as they are there) and the other debts the person adds, such as a
// car loan, with each debt's minimum rule. Other debts are edited here; of a
// card only its minimum rule is.
class DebtListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        NameColumn,
        BalanceColumn,
        RateColumn,
        MinimumColumn,
        RuleColumn,
        PercentColumn,
        FloorColumn,
        ColumnCount
    };
    // The rule column's choices, in the order of the choice box.
    static QStringList ruleChoices();

    using QAbstractTableModel::QAbstractTableModel;

    void setCards(const CardBook& cards);
    void setSaved(const SavedPlan& saved);
    // The other debts, the rules and the own order into the plan file.
    void writeTo(SavedPlan& saved) const;

    // A new empty other debt at the end; its row.
    int addDebt();
    // Only other debts can be removed; a card is removed on My Cards.
    bool removeDebt(int row);
    bool isCard(int row) const;
    // One place up (-1) or down (1); whether it moved.
    bool moveDebt(int row, int step);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The person changed a debt, a rule or the order.
    void edited();

private:
    void relist();
    OtherDebtTexts* otherDebt(int row);
    const OtherDebtTexts* otherDebt(int row) const;
    MinimumTexts& rule(int row);
    const MinimumTexts* ruleOf(int row) const;
    QString text(int row, int column) const;

    CardBook m_cards;
    std::vector<OtherDebtTexts> m_others;
    std::map<int, MinimumTexts> m_cardRules;
    QStringList m_keys; // the rows, first paid first in the own order
};

} // namespace plenwick
