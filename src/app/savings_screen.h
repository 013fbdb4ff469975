#pragma once

#include "app/card_grid.h"
#include "app/link_label.h"
#include "cards/card_book.h"
#include "screens/screen_panel.h"

#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plenwick {

// "My Savings": per card, what switching to an advertised card, paying in
// fewer months or paying a bigger amount would save.
class SavingsScreen : public ScreenPanel {
    Q_OBJECT
public:
    explicit SavingsScreen(QWidget* parent);

    // Each card's name and total due as "My Cards" shows them.
    void copyCards(const CardBook& book);

    // Every card's offer choice lists these names, with nothing chosen.
    void setOfferChoices(const QStringList& names);

    // The item text chosen in a list, or none.
    static std::optional<std::string> chosenItem(const QComboBox* list);

    PerCard<QLineEdit> CardName3Text, TotalDue3Text;
    PerCard<QComboBox> CardCombo, MonthsCombo, AmountCombo;
    PerCard<LinkLabel> ShowDetailsLable;
    PerCard<QLabel> Savings1Lable, Savings2Lable, Savings3Lable;
    PerCard<QPushButton> CalSavingsCMD;
    QPushButton* NextCMD = nullptr;
    QPushButton* PrevCMD = nullptr;

signals:
    void savingsAsked(int card);
    // The person chose an offer, even the one already shown.
    void offerChosen(int card);
    void detailsAsked(int card);
    void previousRequested();

private:
    QLabel* addOptionHeading(CardGrid& grid, const char* objectName, const char* text);
    void addSwitchingRows(CardGrid& grid);
    void addFastRepaymentRows(CardGrid& grid);
    void addBiggerRepaymentRows(CardGrid& grid);
};

} // namespace plenwick
