#pragma once

#include <QAbstractTableModel>
#include <QFont>
// moc stumbles over the standard library's C++20 headers, and needs no types.
#ifndef Q_MOC_RUN
#include "plan/debt_plan.h"
#endif

#include <optional>
#include <vector>

namespace plenwick {

// Every order side by side: when each is debt-free, in how many months, the
// interest, the total paid and what it gains against paying as now. The
// cheapest order that ends is marked; one that never ends says so.
class OrderComparisonModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        OrderColumn,
        DebtFreeColumn,
        MonthsColumn,
        InterestColumn,
        PaidColumn,
        AgainstNowColumn,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    void show(std::vector<OrderPlan> orders);
    void setFont(const QFont& font) { m_font = font; }

    PlanStrategy strategyOf(int row) const { return m_orders.at(static_cast<std::size_t>(row)).strategy; }
    std::optional<int> rowOf(PlanStrategy strategy) const;
    // The order that pays least in all, of those that end.
    std::optional<int> cheapest() const { return m_cheapest; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(int row, int column) const;

    std::vector<OrderPlan> m_orders;
    std::optional<int> m_cheapest;
    QFont m_font;
};

} // namespace plenwick
