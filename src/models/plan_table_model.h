#pragma once

#include <QAbstractTableModel>
#include <QFont>

#include <memory>

namespace plenwick {

struct PlanResult;

// The schedule of a plan: a row per month (its number, its month, then each
// card's payment, interest and closing balance) and a row of totals. Every
// cell is read from the plan when the view asks, so a plan of 1,200 months
// costs nothing until it is scrolled to.
class PlanTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumnsPerCard = 3;
    static constexpr int kFirstCardColumn = 2;

    using QAbstractTableModel::QAbstractTableModel;

    // None empties the table.
    void showPlan(std::shared_ptr<const PlanResult> result);
    void setTotalsFont(const QFont& font) { m_totalsFont = font; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString cell(int row, int column) const;

    std::shared_ptr<const PlanResult> m_result;
    QFont m_totalsFont;
};

} // namespace plenwick
