#pragma once

#include "screens/screen_panel.h"
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
enum class PlanStrategy;

// "My Plan": every card that owes paid off from one monthly budget, the
// extra money going to the cards in the chosen order; the summary, the
// balances over time and the schedule month by month.
class PlanScreen : public ScreenPanel {
    Q_OBJECT
public:
    explicit PlanScreen(QWidget* parent);
    ~PlanScreen() override;

    // The budget box shows this until the person types a budget of their own.
    void suggestBudget(MoneyAmount budget);

    // Asks for a plan with the budget and order chosen; a budget that is not
    // an amount is told on the screen instead.
    void calculate();

    // None clears the screen.
    void showPlan(std::shared_ptr<const PlanResult> result);

    // Writes the plan shown to a file; the reason when it could not be saved.
    std::optional<QString> exportTo(const QString& path, bool pdf) const;

    QLineEdit* BudgetText = nullptr;
    QComboBox* StrategyCombo = nullptr;
    QPushButton* CalPlanCMD = nullptr;
    QPushButton* ExportCMD = nullptr;
    QLabel* PlanMessage = nullptr; // why the plan stops
    QLabel* PlanHeadline = nullptr;
    QLabel* PlanCards = nullptr;
    QLabel* PlanMoves = nullptr;
    QTabWidget* PlanViews = nullptr;
    PlanChart* Chart = nullptr;
    QTableView* PlanTable = nullptr;
    QPushButton* NextCMD = nullptr;
    QPushButton* PrevCMD = nullptr;

signals:
    void planAsked(MoneyAmount budget, PlanStrategy strategy);
    void exportAsked();
    void previousRequested();
    void nextRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addChoices(QVBoxLayout* layout);
    QFrame* summaryBox();
    void showMessage(const QString& text);

    PlanTableModel* m_model = nullptr;
    std::shared_ptr<const PlanResult> m_result;
    bool m_budgetTyped = false;
};

} // namespace plenwick
