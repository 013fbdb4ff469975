#include "widgets/data_table.h"

#include "widgets/theme.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTableView>

#include <algorithm>

namespace plenwick {

namespace {

class CellStepper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool forward = key->key() == Qt::Key_Tab;
        if (!(key->modifiers() & Qt::ControlModifier) || (!forward && key->key() != Qt::Key_Backtab))
            return false;
        step(static_cast<QTableView*>(watched), forward ? 1 : -1);
        return true;
    }

private:
    static void step(QTableView* table, int by)
    {
        const QAbstractItemModel* model = table->model();
        const int columns = model ? model->columnCount() : 0;
        const int cells = columns * (model ? model->rowCount() : 0);
        if (cells == 0)
            return;
        const QModelIndex current = table->currentIndex();
        const int at = current.isValid() ? current.row() * columns + current.column() : -by;
        const int next = std::clamp(at + by, 0, cells - 1);
        table->setCurrentIndex(model->index(next / columns, next % columns));
    }
};

} // namespace

void leaveWithTab(QTableView* table)
{
    table->setTabKeyNavigation(false);
    table->installEventFilter(new CellStepper(table));
}

QTableView* dataTable(QWidget* parent, const QString& objectName, const QString& spokenName)
{
    auto* table = new QTableView(parent);
    table->setObjectName(objectName);
    table->setAccessibleName(spokenName);
    table->setFont(theme::boxFont());
    table->setWordWrap(false);
    table->setAlternatingRowColors(true);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTextElideMode(Qt::ElideRight);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(theme::kTableRowHeight);
    table->horizontalHeader()->setFont(theme::boxFont());
    leaveWithTab(table);
    return table;
}

ChoiceDelegate::ChoiceDelegate(QStringList choices, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_choices(std::move(choices))
{
}

QWidget* ChoiceDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* editor = new QComboBox(parent);
    editor->addItems(m_choices);
    return editor;
}

void ChoiceDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    static_cast<QComboBox*>(editor)->setCurrentText(index.data(Qt::EditRole).toString());
}

void ChoiceDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    model->setData(index, static_cast<QComboBox*>(editor)->currentText());
}

} // namespace plenwick
