#include "models/plan_changes_model.h"

#include "models/column_header.h"

namespace plenwick {

QStringList PlanChangesModel::kindChoices()
{
    return {QStringLiteral("From then, the budget is"), QStringLiteral("That month, an extra")};
}

void PlanChangesModel::setChanges(std::vector<PlanChangeTexts> changes)
{
    beginResetModel();
    m_changes = std::move(changes);
    endResetModel();
}

int PlanChangesModel::addChange(bool extra, const QString& month)
{
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_changes.push_back({extra, month, {}, {}});
    endInsertRows();
    emit edited();
    return row;
}

void PlanChangesModel::removeChange(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    beginRemoveRows({}, row, row);
    m_changes.erase(m_changes.begin() + row);
    endRemoveRows();
    emit edited();
}

int PlanChangesModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_changes.size());
}

int PlanChangesModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant PlanChangesModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || (role != Qt::DisplayRole && role != Qt::EditRole))
        return {};
    const PlanChangeTexts& change = m_changes[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case KindColumn: return kindChoices().at(change.extra ? 1 : 0);
    case MonthColumn: return change.month;
    default: return change.amount;
    }
}

bool PlanChangesModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    PlanChangeTexts& change = m_changes[static_cast<std::size_t>(index.row())];
    switch (index.column()) {
    case KindColumn: change.extra = kindChoices().indexOf(value.toString()) == 1; break;
    case MonthColumn: change.month = value.toString(); break;
    default: change.amount = value.toString();
    }
    emit dataChanged(index, index);
    emit edited();
    return true;
}

Qt::ItemFlags PlanChangesModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable : Qt::NoItemFlags;
}

QVariant PlanChangesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const kTitles[ColumnCount] = {"Change", "Month", "Amount"};
    static const char* const kTips[ColumnCount] = {
        "A budget change holds from its month on; an extra payment is that month's only",
        "Typed as May 2027 or 2027-05", "The new budget, or the extra payment (less than nothing for a short month)"};
    return orientation == Qt::Horizontal ? columnHeader(kTitles, kTips, section, role) : QVariant();
}

} // namespace plenwick
