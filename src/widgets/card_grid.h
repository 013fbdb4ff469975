#pragma once

#include "cards/card_book.h"

#include <QString>
#include <QWidget>

#include <array>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace plenwick {

template <class T>
using PerCard = std::array<T*, kCardCount>;

// The grid of a card screen: row captions on the left, a column per card.
// Rows are added top to bottom; the "Card 1" to "Card 5" headings take the
// first.
class CardGrid {
public:
    // firstHeading numbers the headings' objects, screen after screen.
    CardGrid(QWidget* panel, QVBoxLayout* screenLayout, int captionWidth, int firstHeading);

    // The next row down.
    int addRow() { return ++m_lastRow; }

    QLabel* addCaption(int row, const QString& objectName, const QString& text, int rowSpan = 1);

    // A control per card, named "<name>_<card>" and announced to screen
    // readers as "<spoken>, Card <n>".
    template <class T, class Make>
    PerCard<T> addPerCard(int row, const char* name, const QString& spoken, Make make)
    {
        PerCard<T> widgets{};
        for (int card = 0; card < kCardCount; ++card) {
            widgets[card] = make(card);
            place(widgets[card], name, spoken, row, card);
        }
        return widgets;
    }

    QGridLayout* layout() const { return m_grid; }

private:
    void addHeadings(int firstIndex);
    void place(QWidget* widget, const char* name, const QString& spoken, int row, int card);

    QWidget* m_panel;
    QGridLayout* m_grid;
    int m_lastRow = 0;
};

// The parts the card screens are built of. A screen's layout holds its
// header, its grid or views, and its navigation at the bottom; the card
// screens' content scrolls above the navigation when the window is small.
QVBoxLayout* screenLayout(QWidget* panel);
QVBoxLayout* scrolledScreenLayout(QWidget* panel);
QLabel* addHeader(QWidget* panel, QVBoxLayout* screenLayout, const QString& objectName, const QString& text);
QPushButton* commandButton(QWidget* parent, const QString& objectName, const QString& caption);
QLineEdit* textBox(QWidget* parent, Qt::Alignment alignment);
QLabel* resultLabel(QWidget* parent);
// A small line under an answer, hidden while empty; showNote with an empty
// text hides it.
QLabel* noteLine(QWidget* parent);
void showNote(QLabel* note, const QString& text);

// The copies of each card's name and total due from "My Cards", in two rows.
struct CardCopies {
    PerCard<QLineEdit> names, totals;
};
CardCopies addCardCopies(CardGrid& grid, QWidget* panel, const char* nameCaption, const char* nameBoxes,
                         const char* totalCaption, const char* totalBoxes);
// Each card's name and total due, verbatim.
void copyNamesAndTotals(const CardBook& book, const PerCard<QLineEdit>& names, const PerCard<QLineEdit>& totals);

// "<< Previous" at the left and "Next >>" at the right of the bottom edge.
struct Navigation {
    QPushButton* previous;
    QPushButton* next;
};
Navigation addNavigation(QWidget* panel, QVBoxLayout* screenLayout, int screen);

// Tab runs card by card, and within a card from top to bottom.
template <class... Rows>
void setCardByCardTabOrder(const Rows&... rows)
{
    QWidget* previous = nullptr;
    for (int card = 0; card < kCardCount; ++card) {
        for (QWidget* widget : {static_cast<QWidget*>(rows[card])...}) {
            if (previous)
                QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
    }
}

} // namespace plenwick
