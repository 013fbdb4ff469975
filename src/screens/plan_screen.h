#pragma once

#include "cards/plan_file.h"
#include "screens/card_screen.h"
// moc stumbles over the standard library's C++20 headers, and needs no types.
#ifndef Q_MOC_RUN
#include "plan/calendar_month.h"
#include "plan/offer_move.h"
#endif

#include <memory>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QVBoxLayout;

namespace plenwick {

class ChangesEditor;
class DebtsEditor;
class OrderComparisonModel;
class PlanChart;
class PlanJob;
class PlanTableModel;
struct PlanComparison;
struct PlanResult;

// "My Plan": every debt that owes, the cards of My Cards and the person's
// other debts, paid off from one monthly budget, the extra money going in
// the chosen order; every order side by side, the summary, the balances
// over time and the schedule month by month. Whatever the person changes is
// planned again at once, off the window's thread.
class PlanScreen : public CardScreen {
    Q_OBJECT
public:
    PlanScreen(ScreenContext context, QWidget* parent);
    ~PlanScreen() override;

    // What the plan file kept; shown and planned from the next showing on.
    void setSaved(const SavedPlan& saved);
    const SavedPlan& saved() const { return m_saved; }

    // Plans these cards with what the person chose.
    void enter(const CardBook& book) override;

    // The card of this My Cards row is charged the offer's rates from now on;
    // the person can take it back.
    void useOffer(std::size_t row, const OfferMove& move);

signals:
    // The budget, the order, the debts, the changes or the moves changed.
    void savedChanged(const plenwick::SavedPlan& saved);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addChoices(QVBoxLayout* layout);
    QFrame* summaryBox();
    QWidget* orderTable();
    void showSaved();
    void edited();
    void replan();
    void showComparison(std::shared_ptr<const PlanComparison> comparison);
    void showMessage(const QString& text);
    void showMoves();
    void exportPlan();
    CalendarMonth firstMonth() const;

    ScreenContext m_context;
    CardBook m_cards;
    SavedPlan m_saved;
    std::shared_ptr<const PlanComparison> m_comparison;

    QLineEdit* m_budget = nullptr;
    QComboBox* m_order = nullptr;
    QPushButton* m_export = nullptr;
    QLabel* m_message = nullptr; // why there is no plan, or why it stops
    QLabel* m_headline = nullptr;
    QLabel* m_cardLines = nullptr;
    QLabel* m_moveLines = nullptr;
    QVBoxLayout* m_moveUndos = nullptr; // a "Back to ..." button per move
    QTabWidget* m_views = nullptr;
    QTableView* m_orderView = nullptr;
    OrderComparisonModel* m_orders = nullptr;
    PlanChart* m_chart = nullptr;
    QTableView* m_schedule = nullptr;
    PlanTableModel* m_model = nullptr;
    DebtsEditor* m_debts = nullptr;
    ChangesEditor* m_changes = nullptr;
    PlanJob* m_job = nullptr;
};

} // namespace plenwick
