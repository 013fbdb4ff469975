#pragma once

#include "screens/card_screen.h"
#include "widgets/card_grid.h"

#include <QHash>

class QLabel;
class QLineEdit;
class QPushButton;

namespace plenwick {

enum class Pattern;

// "My Cards": the card book as the person types it. Each money and rate box
// takes its normal form when the person leaves it.
class CardsScreen : public CardScreen {
    Q_OBJECT
public:
    explicit CardsScreen(QWidget* parent);

    CardBook cards() const;
    void setCards(const CardBook& book);
    void enter(const CardBook&) override { }

    // A line under the cards about what changed them since the last save;
    // an empty text hides it.
    void showAdvanceNote(const QString& text);
    // A line saying why nothing is saved; an empty text hides it.
    void showReadOnlyNote(const QString& text);

    // Where Tab goes from the screen buttons.
    QWidget* firstField() const override;

signals:
    // The person changed the text of a box.
    void cardsEdited();
    void saveRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The six boxes of a card in field order.
    std::array<PerCard<QLineEdit>*, CardRow::FieldCount> columns();
    std::array<const PerCard<QLineEdit>*, CardRow::FieldCount> columns() const;

    PerCard<QLineEdit> m_name, m_annualFee, m_rate, m_totalDue, m_minimumPayment, m_actualPayment;
    QHash<QObject*, Pattern> m_normalised;
    QLabel* m_advanceNote = nullptr;
    QLabel* m_readOnlyNote = nullptr;
};

} // namespace plenwick
