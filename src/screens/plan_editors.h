#pragma once

#include "cards/card_book.h"
#include "cards/plan_file.h"

#include <QWidget>

class QPushButton;
class QTableView;

namespace plenwick {

class DebtListModel;
class PlanChangesModel;

// The debts My Plan pays, in the person's own order, with buttons (and
// Ctrl+Up, Ctrl+Down) to move the chosen debt, and to add and remove other
// debts such as a car loan.
class DebtsEditor : public QWidget {
    Q_OBJECT
public:
    explicit DebtsEditor(QWidget* parent);

    void setCards(const CardBook& cards);
    void setSaved(const SavedPlan& saved);
    void writeTo(SavedPlan& saved) const;

signals:
    void edited();
    // The person moved a debt: they mean their own order.
    void orderMoved();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void move(int step);
    void chosenChanged();

    DebtListModel* m_model;
    QTableView* m_table;
    QPushButton* m_remove;
    QPushButton* m_up;
    QPushButton* m_down;
};

// The dated budget changes and extra payments of My Plan.
class ChangesEditor : public QWidget {
    Q_OBJECT
public:
    // New rows are dated the month after this one.
    ChangesEditor(std::function<QString()> nextMonth, QWidget* parent);

    void setSaved(const SavedPlan& saved);
    void writeTo(SavedPlan& saved) const;

signals:
    void edited();

private:
    void add(bool extra);

    std::function<QString()> m_nextMonth;
    PlanChangesModel* m_model;
    QTableView* m_table;
};

} // namespace plenwick
