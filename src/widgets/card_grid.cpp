#include "widgets/card_grid.h"

#include "widgets/result_blinker.h"
#include "widgets/theme.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace plenwick {

namespace {

constexpr int kHeadingRow = 0;

// A read-only copy of a field from "My Cards", out of the tab order.
QLineEdit* copyBox(QWidget* parent, Qt::Alignment alignment)
{
    QLineEdit* box = textBox(parent, alignment);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

} // namespace

CardGrid::CardGrid(QWidget* panel, QVBoxLayout* screenLayout, int captionWidth, int firstHeading)
    : m_panel(panel)
    , m_grid(new QGridLayout)
{
    m_grid->setHorizontalSpacing(14);
    m_grid->setVerticalSpacing(6);
    m_grid->setColumnMinimumWidth(0, captionWidth);
    for (int card = 0; card < kCardCount; ++card)
        m_grid->setColumnMinimumWidth(card + 1, theme::kCardColumnWidth);
    m_grid->setColumnStretch(kCardCount + 1, 1);
    screenLayout->addLayout(m_grid);
    addHeadings(firstHeading);
}

void CardGrid::addHeadings(int firstIndex)
{
    for (int card = 0; card < kCardCount; ++card) {
        const int index = firstIndex + card;
        auto* heading = new QFrame(m_panel);
        heading->setObjectName(QStringLiteral("Picture2_%1").arg(index));
        heading->setStyleSheet(theme::cardHeadingStyle(heading->objectName()));
        auto* title = new QLabel(cardTitle(card), heading);
        title->setObjectName(QStringLiteral("Label2_%1").arg(index));
        title->setAlignment(Qt::AlignCenter);
        title->setFont(theme::boldCaptionFont());
        title->setStyleSheet(theme::headingTextStyle());
        auto* layout = new QVBoxLayout(heading);
        layout->setContentsMargins(2, 3, 2, 3);
        layout->addWidget(title);
        m_grid->addWidget(heading, kHeadingRow, card + 1);
    }
}

QLabel* CardGrid::addCaption(int row, const QString& objectName, const QString& text, int rowSpan)
{
    auto* caption = new QLabel(text, m_panel);
    caption->setObjectName(objectName);
    caption->setFont(theme::captionFont());
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_grid->addWidget(caption, row, 0, rowSpan, 1);
    m_lastRow = std::max(m_lastRow, row + rowSpan - 1);
    return caption;
}

void CardGrid::place(QWidget* widget, const char* name, const QString& spoken, int row, int card)
{
    widget->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(card));
    widget->setAccessibleName(QStringLiteral("%1, %2").arg(spoken, cardTitle(card)));
    m_grid->addWidget(widget, row, card + 1);
}

QVBoxLayout* screenLayout(QWidget* panel)
{
    theme::usePanelColours(panel);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(theme::kScreenMargin, theme::kScreenMarginVertical, theme::kScreenMargin,
                               theme::kScreenMarginVertical);
    layout->setSpacing(8);
    return layout;
}

QVBoxLayout* scrolledScreenLayout(QWidget* panel)
{
    QVBoxLayout* outer = screenLayout(panel);
    auto* scroll = new QScrollArea(panel);
    scroll->setObjectName(QStringLiteral("screenScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    // The panel's painted strip shows through.
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("screenContent"));
    scroll->setStyleSheet(
        QStringLiteral("#screenScroll, #screenScroll > QWidget, #screenContent { background: transparent; }"));
    scroll->setWidget(content);
    outer->addWidget(scroll, 1);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(outer->spacing());
    return layout;
}

QLabel* addHeader(QWidget* panel, QVBoxLayout* screenLayout, const QString& objectName, const QString& text)
{
    auto* header = new QLabel(text, panel);
    header->setObjectName(objectName);
    header->setFont(theme::headerFont());
    header->setWordWrap(true);
    header->setStyleSheet(theme::screenHeaderStyle());
    screenLayout->addWidget(header);
    return header;
}

QPushButton* commandButton(QWidget* parent, const QString& objectName, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    button->setFont(theme::captionFont());
    button->setAutoDefault(true); // Enter or Return presses the focused button, as Space does
    return button;
}

QLineEdit* textBox(QWidget* parent, Qt::Alignment alignment)
{
    auto* box = new QLineEdit(parent);
    box->setFont(theme::boxFont());
    box->setFixedHeight(theme::kBoxHeight);
    box->setAlignment(alignment);
    return box;
}

QLabel* resultLabel(QWidget* parent)
{
    auto* label = new QLabel(kNoAnswer, parent);
    label->setFont(theme::answerFont());
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setStyleSheet(theme::answerStyle());
    return label;
}

QLabel* noteLine(QWidget* parent)
{
    auto* note = new QLabel(parent);
    note->setFont(theme::noteFont());
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    keepSpaceWhenHidden(note);
    note->setVisible(false);
    return note;
}

void showNote(QLabel* note, const QString& text)
{
    note->setText(text);
    note->setVisible(!text.isEmpty());
}

CardCopies addCardCopies(CardGrid& grid, QWidget* panel, const char* nameCaption, const char* nameBoxes,
                         const char* totalCaption, const char* totalBoxes)
{
    const QString cardName = QStringLiteral("Card Name");
    const QString totalDue = QStringLiteral("Total Due");
    CardCopies copies;
    const int nameRow = grid.addRow();
    grid.addCaption(nameRow, QString::fromLatin1(nameCaption), cardName);
    copies.names =
        grid.addPerCard<QLineEdit>(nameRow, nameBoxes, cardName, [&](int) { return copyBox(panel, Qt::AlignCenter); });
    const int totalRow = grid.addRow();
    grid.addCaption(totalRow, QString::fromLatin1(totalCaption), totalDue);
    copies.totals = grid.addPerCard<QLineEdit>(totalRow, totalBoxes, totalDue,
                                               [&](int) { return copyBox(panel, Qt::AlignRight | Qt::AlignVCenter); });
    return copies;
}

void copyNamesAndTotals(const CardBook& book, const PerCard<QLineEdit>& names, const PerCard<QLineEdit>& totals)
{
    for (int card = 0; card < kCardCount; ++card) {
        names[card]->setText(book[card][CardRow::Name]);
        totals[card]->setText(book[card][CardRow::TotalDue]);
    }
}

Navigation addNavigation(QWidget* panel, QVBoxLayout* screenLayout, int screen)
{
    auto* row = new QHBoxLayout;
    Navigation buttons{commandButton(panel, QStringLiteral("PrevCMD_%1").arg(screen), QStringLiteral("<< Previous")),
                       commandButton(panel, QStringLiteral("NextCMD_%1").arg(screen), QStringLiteral("Next >>"))};
    for (QPushButton* button : {buttons.previous, buttons.next}) {
        button->setFixedSize(theme::kNavigationButtonSize);
        keepSpaceWhenHidden(button);
    }
    row->addWidget(buttons.previous);
    row->addStretch(1);
    row->addWidget(buttons.next);
    screenLayout->addStretch(1);
    // Outside what scrolls, so that the buttons stay in reach.
    static_cast<QVBoxLayout*>(panel->layout())->addLayout(row);
    return buttons;
}

} // namespace plenwick
