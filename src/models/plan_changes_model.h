#pragma once

#include "cards/plan_file.h"

#include <QAbstractTableModel>

namespace plenwick {

// The dated changes of My Plan, as typed: "From <month>, the budget is $X"
// and "In <month>, an extra $Y" (negative for a short month).
class PlanChangesModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { KindColumn, MonthColumn, AmountColumn, ColumnCount };
    // The kind column's choices: a budget change, an extra payment.
    static QStringList kindChoices();

    using QAbstractTableModel::QAbstractTableModel;

    void setChanges(std::vector<PlanChangeTexts> changes);
    const std::vector<PlanChangeTexts>& changes() const { return m_changes; }
    // A new change of this kind dated this month; its row.
    int addChange(bool extra, const QString& month);
    void removeChange(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    void edited();

private:
    std::vector<PlanChangeTexts> m_changes;
};

} // namespace plenwick
