#pragma once

#include "offers/offer_list.h"
#include "screens/card_screen.h"
#include "widgets/card_grid.h"
#include "widgets/link_label.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace plenwick {

struct SavingsRow;

// "My Savings": per card, what switching to an advertised card, paying in
// fewer months or paying a bigger amount would save.
class SavingsScreen : public CardScreen {
    Q_OBJECT
public:
    SavingsScreen(ScreenContext context, QWidget* parent);

    // The offers the choices list from the next showing on.
    void setOffers(const OfferList& offers) { m_offers = offers; }

    // Each card's name and total due as My Cards shows them; every offer
    // choice listed afresh, and the first offer chosen and its savings
    // worked out for each of the first three cards with a total due.
    void enter(const CardBook& book) override;

private:
    QLabel* addOptionHeading(CardGrid& grid, const char* objectName, const char* text);
    void addSwitchingRows(CardGrid& grid);
    void addFastRepaymentRows(CardGrid& grid);
    void addBiggerRepaymentRows(CardGrid& grid);
    void listOffers();
    void calculateSavings(int row);
    QString switchNote(int row) const;
    SavingsRow savingsRowOf(int row) const;
    void showDetails(int row);
    // The offer chosen in a row; none for no choice or the placeholder.
    const OfferRecord* chosenOffer(int row) const;

    ScreenContext m_context;
    CardBook m_cards;
    OfferList m_offers;
    OfferList m_listed; // what the choices list
    PerCard<QLineEdit> m_name, m_totalDue;
    PerCard<QComboBox> m_offerChoice, m_monthsChoice, m_amountChoice;
    PerCard<LinkLabel> m_showDetails;
    PerCard<QLabel> m_fastSavings, m_biggerSavings, m_switchSavings;
    // Under each answer, the option as Best Offers and the statements count
    // it: the interest saved, the switch with its fees.
    PerCard<QLabel> m_fastNote, m_biggerNote, m_switchNote;
};

} // namespace plenwick
