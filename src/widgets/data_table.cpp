#include "widgets/data_table.h"

#include "widgets/theme.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTableView>

namespace plenwick {

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
    // Tab leaves the table; the arrow keys move inside it.
    table->setTabKeyNavigation(false);
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
