#pragma once

#include <QFont>
#include <QString>
#include <QValidator>

#include <array>

class QGridLayout;
class QLabel;
class QVBoxLayout;
class QWidget;

namespace plenwick {

inline constexpr int kCardCount = 5;  // rows in the card book
inline constexpr int kShownCards = 3; // the screens show cards 1 to 3

template <class T>
using PerCard = std::array<T*, kCardCount>;

// Typefaces with close stand-ins where the system lacks the first choice.
QFont captionFont(qreal pointSize = 9);
QFont boxFont();
QFont savingsButtonFont();

// Drops every "|" typed or pasted, so a saved card always reads back whole.
class NoPipeValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

// The grid of one screen: row captions on the left, a column per card.
// Columns of cards 4 and 5 exist but are never shown.
class CardGrid {
public:
    CardGrid(QWidget* panel, QVBoxLayout* screenLayout, int captionWidth);

    // The "Card 1" to "Card 5" headings; firstIndex numbers their objects.
    void addHeadings(int firstIndex);
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
    void place(QWidget* widget, const char* name, const QString& spoken, int row, int card);

    QWidget* m_panel;
    QGridLayout* m_grid;
};

// The header text across the top of a screen.
QLabel* addHeader(QWidget* panel, QVBoxLayout* screenLayout, const QString& objectName, const QString& text);

QString cardTitle(int card);

} // namespace plenwick

#include <QLabel>

namespace plenwick {

// A label drawn as a link that reacts to a click, and to Enter or Space when
// it has the keyboard focus.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace plenwick
