#include "models/order_comparison_model.h"

#include "models/column_header.h"
#include "models/plan_inputs.h"
#include "models/shown_text.h"
#include "plan/plan_summary.h"

#include <QLocale>

namespace plenwick {

namespace {

const QString kNeverEnds = QStringLiteral("never paid off at this budget");
const QString kNothing = QStringLiteral("\u2014");
const QString kCheapestMark = QStringLiteral("\u2605 ");

QString count(std::int64_t months) { return QLocale(QLocale::English, QLocale::UnitedStates).toString(months); }

// "37 months sooner, $2,276.12 less"; nothing when paying as now never ends.
QString againstNow(const DebtPlan& plan)
{
    const AsYouPayNow& now = plan.asYouPayNow;
    if (!now.months || !now.paid)
        return QStringLiteral("paying as now never ends");
    const std::int64_t sooner = *now.months - plan.months;
    const auto saved = now.paid->minus(plan.totalPaid);
    QString months = sooner == 0
                         ? QStringLiteral("same month")
                         : QStringLiteral("%1 %2").arg(shownText(MonthCount(std::abs(sooner))),
                                                       sooner > 0 ? QStringLiteral("sooner") : QStringLiteral("later"));
    if (!saved)
        return months;
    return saved->ticks() >= 0
               ? QStringLiteral("%1, %2 less").arg(months, moneyText(*saved))
               : QStringLiteral("%1, %2 more").arg(months, moneyText(MoneyAmount::fromTicks(-saved->ticks())));
}

} // namespace

void OrderComparisonModel::show(std::vector<OrderPlan> orders)
{
    beginResetModel();
    m_orders = std::move(orders);
    m_cheapest.reset();
    for (std::size_t row = 0; row < m_orders.size(); ++row) {
        const DebtPlan& plan = m_orders[row].plan;
        if (plan.succeeded() &&
            (!m_cheapest || plan.totalPaid < m_orders[static_cast<std::size_t>(*m_cheapest)].plan.totalPaid))
            m_cheapest = static_cast<int>(row);
    }
    endResetModel();
}

std::optional<int> OrderComparisonModel::rowOf(PlanStrategy strategy) const
{
    for (std::size_t row = 0; row < m_orders.size(); ++row) {
        if (m_orders[row].strategy == strategy)
            return static_cast<int>(row);
    }
    return std::nullopt;
}

int OrderComparisonModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_orders.size());
}

int OrderComparisonModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString OrderComparisonModel::text(int row, int column) const
{
    const OrderPlan& order = m_orders[static_cast<std::size_t>(row)];
    const DebtPlan& plan = order.plan;
    if (column == OrderColumn)
        return (m_cheapest == row ? kCheapestMark : QString()) + orderName(order.strategy);
    if (!plan.succeeded())
        return column == DebtFreeColumn ? kNeverEnds : kNothing;
    switch (column) {
    case DebtFreeColumn: return monthText(*plan.debtFreeMonth());
    case MonthsColumn: return count(plan.months);
    case InterestColumn: return moneyText(plan.totalInterest);
    case PaidColumn: return moneyText(plan.totalPaid);
    default: return againstNow(plan);
    }
}

QVariant OrderComparisonModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole: return text(index.row(), index.column());
    case Qt::ToolTipRole:
        return m_orders[static_cast<std::size_t>(index.row())].plan.succeeded()
                   ? QVariant()
                   : QVariant(shownText(m_orders[static_cast<std::size_t>(index.row())].plan.message));
    case Qt::FontRole: {
        QFont font = m_font;
        font.setBold(m_cheapest == index.row());
        return font;
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            Qt::AlignVCenter |
            (index.column() == MonthsColumn || index.column() == InterestColumn || index.column() == PaidColumn
                 ? Qt::AlignRight
                 : Qt::AlignLeft));
    default: return {};
    }
}

QVariant OrderComparisonModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const kTitles[ColumnCount] = {"Order",    "Debt-free",  "Months",
                                                     "Interest", "Total paid", "Against paying as now"};
    static const char* const kTips[ColumnCount] = {"Which debt gets the money left once every minimum is paid",
                                                   "The month of the last payment",
                                                   "Months until every debt is paid off",
                                                   "All the interest paid until then",
                                                   "Everything paid: the balances, the interest and any transfer fees",
                                                   "Against paying each debt as you do now, at its actual payment"};
    return orientation == Qt::Horizontal ? columnHeader(kTitles, kTips, section, role) : QVariant();
}

} // namespace plenwick
