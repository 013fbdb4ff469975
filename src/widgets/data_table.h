#pragma once

#include <QStringList>
#include <QStyledItemDelegate>

class QTableView;
class QWidget;

namespace plenwick {

// A table of figures in the theme's look: whole rows chosen, fixed row
// heights (nothing measures a thousand rows), no row numbers.
QTableView* dataTable(QWidget* parent, const QString& objectName, const QString& spokenName);

// Edits a cell by choosing one of a few texts.
class ChoiceDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ChoiceDelegate(QStringList choices, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QStringList m_choices;
};

} // namespace plenwick
