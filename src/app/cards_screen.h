#pragma once

#include "app/card_grid.h"
#include "cards/card_book.h"
#include "screens/screen_panel.h"

#include <QHash>

class QLabel;
class QLineEdit;
class QPushButton;

namespace plenwick {

enum class Pattern;

// "My Cards": the card book as the person types it. Each money and rate box
// takes its normal form when the person leaves it.
class CardsScreen : public ScreenPanel {
    Q_OBJECT
public:
    explicit CardsScreen(QWidget* parent);

    CardBook cards() const;
    void showCards(const CardBook& book);

    // A line under the cards about what changed them since the last save;
    // an empty text hides it.
    void showAdvanceNote(const QString& text);

    PerCard<QLineEdit> CardNameText, AnnualFeeText, InterestRateText, TotalDueText, MinimumPaymentText,
        ActualPaymentText;
    QPushButton* SaveCMD = nullptr;
    QPushButton* NextCMD = nullptr;
    QPushButton* PrevCMD = nullptr;

signals:
    // The person changed the text of a box.
    void cardsEdited();
    void saveRequested();
    void nextRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The six boxes of a card in field order.
    std::array<PerCard<QLineEdit>*, CardRow::FieldCount> columns();
    std::array<const PerCard<QLineEdit>*, CardRow::FieldCount> columns() const;

    QHash<QObject*, Pattern> m_normalised;
    QLabel* m_advanceNote = nullptr;
};

} // namespace plenwick
