#pragma once

#ifndef Q_MOC_RUN
#include "plan/offer_move.h"
#endif
#include "screens/card_screen.h"
// moc stumbles over the standard library's C++20 headers, and needs no types.
#ifndef Q_MOC_RUN
#include "money/money_amount.h"
#endif

#include <memory>
#include <optional>

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class QVBoxLayout;

namespace plenwick {

class PlanChart;
class PlanTableModel;
struct PlanResult;

// "My Plan": every card that owes paid off from one monthly budget, the
// extra money going to the cards in the chosen order; the summary, the
// balances over time and the schedule month by month.
class PlanScreen : public CardScreen {
    Q_OBJECT
public:
    PlanScreen(ScreenContext context, QWidget* parent);
    ~PlanScreen() override;

    // Plans these cards; the budget box suggests what they are paid now
    // until the person types a budget of their own.
    void enter(const CardBook& book) override;

    // The card of this My Cards row is charged the offer's rates from now on;
    // the person can take it back.
    void useOffer(std::size_t row, const OfferMove& move);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addChoices(QVBoxLayout* layout);
    QFrame* summaryBox();
    void calculate();
    bool cardNumbersReadable();
    void showPlan(std::shared_ptr<const PlanResult> result);
    void showMessage(const QString& text);
    void showMoves();
    void exportPlan();

    ScreenContext m_context;
    CardBook m_cards;
    OfferMoves m_moves;
    std::shared_ptr<const PlanResult> m_result;
    bool m_budgetTyped = false;

    QLineEdit* m_budget = nullptr;
    QComboBox* m_order = nullptr;
    QPushButton* m_export = nullptr;
    QLabel* m_message = nullptr; // why the plan stops
    QLabel* m_headline = nullptr;
    QLabel* m_cardLines = nullptr;
    QLabel* m_moveLines = nullptr;
    QVBoxLayout* m_moveUndos = nullptr; // a "Back to ..." button per move
    PlanChart* m_chart = nullptr;
    QTableView* m_schedule = nullptr;
    PlanTableModel* m_model = nullptr;
};

} // namespace plenwick
