#pragma once

#include "cards/plan_file.h"
#include "screens/card_screen.h"
#include "widgets/card_grid.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plenwick {

struct PayoffAnswer;

// "My Costs": per card, the months a payment takes to clear the balance and
// the payment that clears it in a number of months.
class CostsScreen : public CardScreen {
    Q_OBJECT
public:
    CostsScreen(ScreenContext context, QWidget* parent);

    // Each card's name and total due as My Cards shows them; the rates and
    // minimums are read from these cards.
    void enter(const CardBook& book) override;

    // The banks' minimum rules by My Cards row: a card whose bank sets its
    // minimum by a formula gets its statement's minimum payment warning.
    void setMinimumRules(const std::map<int, MinimumTexts>& rules);

private:
    void addPaymentRows(CardGrid& grid);
    void addMonthsRows(CardGrid& grid);
    void fillMinimumPayment(int row, bool checked);
    void calculateMonths(int row);
    void calculatePayment(int row);
    bool numbersReadable(int row);
    bool showAnswer(QLabel* label, const PayoffAnswer& answer);
    void showMinimumWarnings();

    ScreenContext m_context;
    CardBook m_cards;
    std::map<int, MinimumTexts> m_rules;
    PerCard<QLineEdit> m_name, m_totalDue, m_payment, m_debtFreeMonths;
    PerCard<QCheckBox> m_minimum;
    PerCard<QPushButton> m_calculateMonths, m_calculatePayment;
    PerCard<QLabel> m_months, m_amount;
    // Small lines under the answers: when the card is paid off and the
    // interest it costs. Not part of the blinking; hidden while empty.
    PerCard<QLabel> m_monthsNote, m_amountNote;
    // "Paying only the minimum: about 15 years, $12,554 in all".
    PerCard<QLabel> m_minimumNote;
};

} // namespace plenwick
