#include "models/debt_list_model.h"

#include "models/column_header.h"

#include <algorithm>

namespace plenwick {

namespace {

const QString kFromMyCards = QStringLiteral("As on My Cards; change it there.");

int cardRowOf(const QString& key)
{
    for (int row = 0; row < kCardCount; ++row) {
        if (cardKey(row) == key)
            return row;
    }
    return -1;
}

bool cardShown(const CardRow& card) { return !card[CardRow::Name].isEmpty() || !card[CardRow::TotalDue].isEmpty(); }

// The file's names of the rules, and the names the person reads.
const QString kRuleNames[] = {kMinimumAsTyped, kMinimumPercentPlusInterest, kMinimumPercent};

} // namespace

QStringList DebtListModel::ruleChoices()
{
    return {QStringLiteral("As typed"), QStringLiteral("% of balance + interest"), QStringLiteral("% of balance")};
}

void DebtListModel::setCards(const CardBook& cards)
{
    beginResetModel();
    m_cards = cards;
    relist();
    endResetModel();
}

void DebtListModel::setSaved(const SavedPlan& saved)
{
    beginResetModel();
    m_others = saved.otherDebts;
    m_cardRules = saved.cardMinimums;
    m_keys = saved.ownOrder;
    relist();
    endResetModel();
}

// The debts listed: those already in the order, then the rest as they come.
void DebtListModel::relist()
{
    QStringList present;
    for (int row = 0; row < kCardCount; ++row) {
        if (cardShown(m_cards[row]))
            present << cardKey(row);
    }
    for (const OtherDebtTexts& debt : m_others)
        present << debt.key;
    QStringList listed;
    for (const QString& key : std::as_const(m_keys)) {
        if (present.contains(key) && !listed.contains(key))
            listed << key;
    }
    for (const QString& key : std::as_const(present)) {
        if (!listed.contains(key))
            listed << key;
    }
    m_keys = listed;
}

void DebtListModel::writeTo(SavedPlan& saved) const
{
    saved.otherDebts = m_others;
    saved.cardMinimums = m_cardRules;
    saved.ownOrder = m_keys;
}

bool DebtListModel::isCard(int row) const { return cardRowOf(m_keys.value(row)) >= 0; }

OtherDebtTexts* DebtListModel::otherDebt(int row)
{
    const auto found = std::find_if(m_others.begin(), m_others.end(),
                                    [&](const OtherDebtTexts& debt) { return debt.key == m_keys.value(row); });
    return found == m_others.end() ? nullptr : &*found;
}

const OtherDebtTexts* DebtListModel::otherDebt(int row) const
{
    return const_cast<DebtListModel*>(this)->otherDebt(row);
}

const MinimumTexts* DebtListModel::ruleOf(int row) const
{
    if (const OtherDebtTexts* debt = otherDebt(row))
        return &debt->minimumRule;
    const auto found = m_cardRules.find(cardRowOf(m_keys.value(row)));
    return found == m_cardRules.end() ? nullptr : &found->second;
}

MinimumTexts& DebtListModel::rule(int row)
{
    if (OtherDebtTexts* debt = otherDebt(row))
        return debt->minimumRule;
    return m_cardRules[cardRowOf(m_keys.value(row))];
}

int DebtListModel::addDebt()
{
    int number = static_cast<int>(m_others.size()) + 1;
    while (m_keys.contains(QStringLiteral("debt %1").arg(number)))
        ++number;
    const int row = rowCount();
    beginInsertRows({}, row, row);
    m_others.push_back({QStringLiteral("debt %1").arg(number), {}, {}, {}, {}, {}, {}});
    m_keys << m_others.back().key;
    endInsertRows();
    emit edited();
    return row;
}

bool DebtListModel::removeDebt(int row)
{
    const OtherDebtTexts* debt = otherDebt(row);
    if (!debt)
        return false;
    beginRemoveRows({}, row, row);
    const QString key = debt->key;
    std::erase_if(m_others, [&](const OtherDebtTexts& other) { return other.key == key; });
    m_keys.removeAt(row);
    endRemoveRows();
    emit edited();
    return true;
}

bool DebtListModel::moveDebt(int row, int step)
{
    const int to = row + step;
    if (row < 0 || row >= rowCount() || to < 0 || to >= rowCount())
        return false;
    beginMoveRows({}, row, row, {}, step > 0 ? to + 1 : to);
    m_keys.move(row, to);
    endMoveRows();
    emit edited();
    return true;
}

int DebtListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_keys.size());
}

int DebtListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QString DebtListModel::text(int row, int column) const
{
    const MinimumTexts* minimum = ruleOf(row);
    if (column == RuleColumn) {
        const auto kind = std::find(std::begin(kRuleNames), std::end(kRuleNames), minimum ? minimum->kind : QString());
        return ruleChoices().value(kind == std::end(kRuleNames) ? 0 : static_cast<int>(kind - std::begin(kRuleNames)));
    }
    if (column == PercentColumn || column == FloorColumn)
        return minimum ? (column == PercentColumn ? minimum->percent : minimum->floor) : QString();
    if (const OtherDebtTexts* debt = otherDebt(row)) {
        const QString* fields[] = {&debt->name, &debt->balance, &debt->rate, &debt->minimum};
        return *fields[column];
    }
    const int card = cardRowOf(m_keys.value(row));
    const CardRow::Field fields[] = {CardRow::Name, CardRow::TotalDue, CardRow::InterestRate, CardRow::MinimumPayment};
    const QString& shown = m_cards[card][fields[column]];
    return column == NameColumn && shown.isEmpty() ? cardTitle(card) : shown;
}

QVariant DebtListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return text(index.row(), index.column());
    if (role == Qt::ToolTipRole && !(flags(index) & Qt::ItemIsEditable))
        return kFromMyCards;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::AlignVCenter |
            (index.column() == NameColumn || index.column() == RuleColumn ? Qt::AlignLeft : Qt::AlignRight));
    return {};
}

bool DebtListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString typed = value.toString();
    const int row = index.row();
    switch (index.column()) {
    case RuleColumn: {
        const auto choice = ruleChoices().indexOf(typed);
        rule(row).kind = kRuleNames[std::max<qsizetype>(choice, 0)];
        break;
    }
    case PercentColumn: rule(row).percent = typed; break;
    case FloorColumn: rule(row).floor = typed; break;
    default: {
        OtherDebtTexts* debt = otherDebt(row);
        QString* fields[] = {&debt->name, &debt->balance, &debt->rate, &debt->minimum};
        *fields[index.column()] = typed;
    }
    }
    emit dataChanged(index.siblingAtColumn(0), index.siblingAtColumn(ColumnCount - 1));
    emit edited();
    return true;
}

Qt::ItemFlags DebtListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const bool editable = index.column() >= RuleColumn || !isCard(index.row());
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | (editable ? Qt::ItemIsEditable : Qt::NoItemFlags);
}

QVariant DebtListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const kTitles[ColumnCount] = {"Debt",           "Balance", "Rate %",  "Minimum",
                                                     "Bank's minimum", "Percent", "At least"};
    static const char* const kTips[ColumnCount] = {
        "A card from My Cards, or another debt you add, such as a car loan",
        "What it owes now",
        "Its yearly interest rate in percent",
        "Its minimum monthly payment; for a loan, its fixed payment",
        "Whether the minimum follows the bank's formula: a percent of the balance, plus the interest or not",
        "The formula's percent of the balance",
        "The formula's smallest minimum"};
    if (orientation == Qt::Horizontal)
        return columnHeader(kTitles, kTips, section, role);
    return role == Qt::DisplayRole && section >= 0 && section < rowCount() ? QVariant(section + 1) : QVariant();
}

} // namespace plenwick
