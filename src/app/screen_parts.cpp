#include "app/screen_parts.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace plenwick {

namespace {

constexpr int kCardColumnWidth = 187;

QFont withFamilies(const QStringList& families, qreal pointSize)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    return font;
}

} // namespace

QFont captionFont(qreal pointSize)
{
    return withFamilies({QStringLiteral("Georgia"), QStringLiteral("DejaVu Serif"), QStringLiteral("Liberation Serif")},
                        pointSize);
}

QFont boxFont()
{
    return withFamilies(
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 8.25);
}

QFont savingsButtonFont()
{
    return withFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}, 9);
}

QValidator::State NoPipeValidator::validate(QString& input, int& pos) const
{
    const auto before = static_cast<int>(input.left(pos).count(QLatin1Char('|')));
    input.remove(QLatin1Char('|'));
    pos -= before;
    return Acceptable;
}

QString cardTitle(int card) { return QStringLiteral("Card %1").arg(card + 1); }

CardGrid::CardGrid(QWidget* panel, QVBoxLayout* screenLayout, int captionWidth)
    : m_panel(panel)
    , m_grid(new QGridLayout)
{
    m_grid->setHorizontalSpacing(14);
    m_grid->setVerticalSpacing(6);
    m_grid->setColumnMinimumWidth(0, captionWidth);
    for (int card = 0; card < kShownCards; ++card)
        m_grid->setColumnMinimumWidth(card + 1, kCardColumnWidth);
    m_grid->setColumnStretch(kShownCards + 1, 1);
    screenLayout->addLayout(m_grid);
}

void CardGrid::addHeadings(int firstIndex)
{
    for (int card = 0; card < kCardCount; ++card) {
        const int index = firstIndex + card;
        auto* heading = new QFrame(m_panel);
        heading->setObjectName(QStringLiteral("Picture2_%1").arg(index));
        heading->setStyleSheet(QStringLiteral("#Picture2_%1 { background: #1f4e79; border-radius: 3px; }").arg(index));
        auto* title = new QLabel(cardTitle(card), heading);
        title->setObjectName(QStringLiteral("Label2_%1").arg(index));
        title->setAlignment(Qt::AlignCenter);
        QFont font = captionFont(10);
        font.setBold(true);
        title->setFont(font);
        title->setStyleSheet(QStringLiteral("color: white;"));
        auto* layout = new QVBoxLayout(heading);
        layout->setContentsMargins(2, 3, 2, 3);
        layout->addWidget(title);
        heading->setVisible(card < kShownCards);
        m_grid->addWidget(heading, 0, card + 1);
    }
}

QLabel* CardGrid::addCaption(int row, const QString& objectName, const QString& text, int rowSpan)
{
    auto* caption = new QLabel(text, m_panel);
    caption->setObjectName(objectName);
    caption->setFont(captionFont());
    caption->setWordWrap(true);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_grid->addWidget(caption, row, 0, rowSpan, 1);
    return caption;
}

void CardGrid::place(QWidget* widget, const char* name, const QString& spoken, int row, int card)
{
    widget->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(card));
    widget->setAccessibleName(QStringLiteral("%1, %2").arg(spoken, cardTitle(card)));
    if (card >= kShownCards)
        widget->setVisible(false);
    m_grid->addWidget(widget, row, card + 1);
}

QLabel* addHeader(QWidget* panel, QVBoxLayout* screenLayout, const QString& objectName, const QString& text)
{
    auto* header = new QLabel(text, panel);
    header->setObjectName(objectName);
    header->setFont(captionFont(10.5));
    header->setWordWrap(true);
    header->setStyleSheet(QStringLiteral("color: white;"));
    screenLayout->addWidget(header);
    return header;
}

} // namespace plenwick

#include <QKeyEvent>
#include <QMouseEvent>

namespace plenwick {

LinkLabel::LinkLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    QFont font = boxFont();
    font.setUnderline(true);
    setFont(font);
    setStyleSheet(QStringLiteral("color: rgb(0, 0, 192);"));
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

} // namespace plenwick
