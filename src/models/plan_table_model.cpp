#include "models/plan_table_model.h"

#include "models/shown_text.h"
#include "plan/plan_csv.h"
#include "plan/plan_summary.h"

namespace plenwick {

namespace {

constexpr qsizetype kHeaderNameLength = 12;
const char* const kCardColumns[PlanTableModel::kColumnsPerCard] = {"Payment", "Interest", "Balance"};

} // namespace

void PlanTableModel::showPlan(std::shared_ptr<const PlanResult> result)
{
    beginResetModel();
    m_result = std::move(result);
    endResetModel();
}

int PlanTableModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_result || m_result->plan.months == 0)
        return 0;
    return m_result->plan.months + 1;
}

int PlanTableModel::columnCount(const QModelIndex& parent) const
{
    if (parent.isValid() || !m_result)
        return 0;
    return kFirstCardColumn + static_cast<int>(m_result->cards.size()) * kColumnsPerCard;
}

QString PlanTableModel::cell(int row, int column) const
{
    const DebtPlan& plan = m_result->plan;
    const bool totals = row == plan.months;
    if (column == 0)
        return totals ? QStringLiteral("Total") : QString::number(row + 1);
    if (column == 1)
        return totals ? QString() : monthText(plan.calendarMonth(row + 1));
    const auto card = static_cast<std::size_t>((column - kFirstCardColumn) / kColumnsPerCard);
    const int part = (column - kFirstCardColumn) % kColumnsPerCard;
    if (totals) {
        const PlanCardResult& sums = plan.cards[card];
        return part == 0 ? moneyText(sums.paid) : part == 1 ? moneyText(sums.interest) : QString();
    }
    const PlanEntry& entry = plan.entry(row + 1, card);
    return moneyText(part == 0 ? entry.payment : part == 1 ? entry.interest : entry.closing);
}

QVariant PlanTableModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || !m_result)
        return {};
    switch (role) {
    case Qt::DisplayRole: return cell(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(index.column() == 1 ? Qt::AlignLeft | Qt::AlignVCenter
                                                       : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole: return index.row() == m_result->plan.months ? QVariant(m_totalsFont) : QVariant();
    default: return {};
    }
}

QVariant PlanTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || !m_result || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section < kFirstCardColumn) {
        if (role == Qt::ToolTipRole)
            return section == 0 ? QStringLiteral("Months from the first payment") : QStringLiteral("The month paid");
        return role == Qt::DisplayRole ? QVariant(section == 0 ? QStringLiteral("Month") : QStringLiteral("Date"))
                                       : QVariant();
    }
    const auto card = static_cast<std::size_t>((section - kFirstCardColumn) / kColumnsPerCard);
    const QString name = QString::fromStdString(ScheduleCardName(m_result->cards[card]));
    const QString part = QLatin1String(kCardColumns[(section - kFirstCardColumn) % kColumnsPerCard]);
    // A long name is cut short above its column; the tip holds it whole.
    if (role == Qt::DisplayRole)
        return QStringLiteral("%1\n%2").arg(
            name.size() > kHeaderNameLength ? name.left(kHeaderNameLength - 1) + QChar(0x2026) : name, part);
    if (role == Qt::ToolTipRole)
        return QStringLiteral("%1: %2").arg(name, part.toLower());
    return {};
}

} // namespace plenwick
