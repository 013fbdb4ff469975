#pragma once

#include "app/card_grid.h"
#include "cards/card_book.h"
#include "screens/screen_panel.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plenwick {

// "My Costs": per card, the months a payment takes to clear the balance and
// the payment that clears it in a number of months.
class CostsScreen : public ScreenPanel {
    Q_OBJECT
public:
    explicit CostsScreen(QWidget* parent);

    // Each card's name and total due as "My Cards" shows them.
    void copyCards(const CardBook& book);

    // An empty text hides the line.
    static void showNote(QLabel* note, const QString& text);

    PerCard<QLineEdit> CardName2Text, TotalDue2Text, AmountIcanPayText, DebtFreeMonthsText;
    PerCard<QCheckBox> MiniMumCheck;
    PerCard<QPushButton> CalTimeCMD, CalAmountCMD;
    PerCard<QLabel> MonthsLable, AmountLable;
    // Small lines under the answers: when the card is paid off and the
    // interest it costs. Not part of the blinking; hidden while empty.
    PerCard<QLabel> MonthsNote, AmountNote;
    QPushButton* NextCMD = nullptr;
    QPushButton* PrevCMD = nullptr;

signals:
    void minimumChecked(int card, bool checked);
    void monthsAsked(int card);
    void paymentAsked(int card);
    void previousRequested();
    void nextRequested();

private:
    void addPaymentRows(CardGrid& grid);
    void addMonthsRows(CardGrid& grid);
};

} // namespace plenwick
