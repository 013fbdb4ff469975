#include "screens/plan_editors.h"

#include "models/debt_list_model.h"
#include "models/plan_changes_model.h"
#include "widgets/card_grid.h"
#include "widgets/data_table.h"
#include "widgets/theme.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace plenwick {

namespace {

// Moving with the arrow keys only moves; typing or F2 edits.
constexpr QAbstractItemView::EditTriggers kEditTriggers =
    QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

QVBoxLayout* editorLayout(QWidget* editor, QTableView* table, const QString& help)
{
    auto* layout = new QVBoxLayout(editor);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* note = new QLabel(help, editor);
    note->setFont(theme::captionFont());
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addWidget(table, 1);
    return layout;
}

QHBoxLayout* buttonRow(QVBoxLayout* layout)
{
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    return row;
}

QPushButton* button(QWidget* parent, QHBoxLayout* row, const char* objectName, const QString& caption)
{
    QPushButton* made = commandButton(parent, QLatin1String(objectName), caption);
    row->addWidget(made);
    return made;
}

int chosenRow(const QTableView* table)
{
    const QModelIndex current = table->currentIndex();
    return current.isValid() ? current.row() : -1;
}

} // namespace

DebtsEditor::DebtsEditor(QWidget* parent)
    : QWidget(parent)
    , m_model(new DebtListModel(this))
    , m_table(dataTable(this, QStringLiteral("debtsView"), QStringLiteral("Debts in your own order")))
{
    m_table->setModel(m_model);
    m_table->setEditTriggers(kEditTriggers);
    m_table->setItemDelegateForColumn(DebtListModel::RuleColumn,
                                      new ChoiceDelegate(DebtListModel::ruleChoices(), this));
    m_table->horizontalHeader()->setSectionResizeMode(DebtListModel::NameColumn, QHeaderView::Stretch);
    m_table->installEventFilter(this);
    QVBoxLayout* layout = editorLayout(
        this, m_table,
        QStringLiteral("Your cards come from My Cards. Add other debts, such as a car or student loan: their minimum "
                       "is their fixed payment. Move a debt up or down to pay it sooner in your own order. A bank's "
                       "minimum can follow its formula: a percent of the balance, plus the month's interest or not, "
                       "at least an amount."));
    QHBoxLayout* row = buttonRow(layout);
    QPushButton* add = button(this, row, "addDebtButton", QStringLiteral("Add debt"));
    m_remove = button(this, row, "removeDebtButton", QStringLiteral("Remove debt"));
    row->addStretch(1);
    m_up = button(this, row, "moveUpButton", QStringLiteral("Move up"));
    m_down = button(this, row, "moveDownButton", QStringLiteral("Move down"));
    m_up->setToolTip(QStringLiteral("Pay this debt sooner in your own order (Ctrl+Up)"));
    m_down->setToolTip(QStringLiteral("Pay this debt later in your own order (Ctrl+Down)"));

    connect(add, &QPushButton::clicked, this, [this] {
        const int row = m_model->addDebt();
        m_table->setCurrentIndex(m_model->index(row, DebtListModel::NameColumn));
        m_table->edit(m_table->currentIndex());
    });
    connect(m_remove, &QPushButton::clicked, this, [this] { m_model->removeDebt(chosenRow(m_table)); });
    connect(m_up, &QPushButton::clicked, this, [this] { move(-1); });
    connect(m_down, &QPushButton::clicked, this, [this] { move(1); });
    connect(m_model, &DebtListModel::edited, this, &DebtsEditor::edited);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentChanged, this, &DebtsEditor::chosenChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &DebtsEditor::chosenChanged);
    chosenChanged();
}

void DebtsEditor::setCards(const CardBook& cards) { m_model->setCards(cards); }

void DebtsEditor::setSaved(const SavedPlan& saved) { m_model->setSaved(saved); }

void DebtsEditor::writeTo(SavedPlan& saved) const { m_model->writeTo(saved); }

void DebtsEditor::move(int step)
{
    const QModelIndex current = m_table->currentIndex();
    if (!current.isValid() || !m_model->moveDebt(current.row(), step))
        return;
    m_table->setCurrentIndex(m_model->index(current.row() + step, current.column()));
    emit orderMoved();
}

void DebtsEditor::chosenChanged()
{
    const int row = chosenRow(m_table);
    m_remove->setEnabled(row >= 0 && !m_model->isCard(row));
    m_up->setEnabled(row > 0);
    m_down->setEnabled(row >= 0 && row + 1 < m_model->rowCount());
}

bool DebtsEditor::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
            move(key->key() == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

ChangesEditor::ChangesEditor(std::function<QString()> nextMonth, QWidget* parent)
    : QWidget(parent)
    , m_nextMonth(std::move(nextMonth))
    , m_model(new PlanChangesModel(this))
    , m_table(dataTable(this, QStringLiteral("changesView"), QStringLiteral("Budget changes and extra payments")))
{
    m_table->setModel(m_model);
    m_table->setEditTriggers(kEditTriggers);
    m_table->setItemDelegateForColumn(PlanChangesModel::KindColumn,
                                      new ChoiceDelegate(PlanChangesModel::kindChoices(), this));
    m_table->horizontalHeader()->setSectionResizeMode(PlanChangesModel::KindColumn, QHeaderView::Stretch);
    QVBoxLayout* layout = editorLayout(
        this, m_table,
        QStringLiteral("A raise next spring, a tax refund, a short month: a budget change holds from its month on; "
                       "an extra payment (less than nothing for a short month) is that month's only. Months are "
                       "typed as May 2027 or 2027-05."));
    QHBoxLayout* row = buttonRow(layout);
    QPushButton* budget = button(this, row, "addBudgetChangeButton", QStringLiteral("Add budget change"));
    QPushButton* extra = button(this, row, "addExtraPaymentButton", QStringLiteral("Add extra payment"));
    row->addStretch(1);
    QPushButton* remove = button(this, row, "removeChangeButton", QStringLiteral("Remove"));
    connect(budget, &QPushButton::clicked, this, [this] { add(false); });
    connect(extra, &QPushButton::clicked, this, [this] { add(true); });
    connect(remove, &QPushButton::clicked, this, [this] { m_model->removeChange(chosenRow(m_table)); });
    connect(m_model, &PlanChangesModel::edited, this, &ChangesEditor::edited);
}

void ChangesEditor::add(bool extra)
{
    const int row = m_model->addChange(extra, m_nextMonth());
    m_table->setCurrentIndex(m_model->index(row, PlanChangesModel::AmountColumn));
    m_table->edit(m_table->currentIndex());
}

void ChangesEditor::setSaved(const SavedPlan& saved) { m_model->setChanges(saved.changes); }

void ChangesEditor::writeTo(SavedPlan& saved) const { saved.changes = m_model->changes(); }

} // namespace plenwick
