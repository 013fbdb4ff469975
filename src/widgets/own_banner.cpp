#include "widgets/own_banner.h"

#include "widgets/theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

namespace plenwick {

namespace {

constexpr int kSideMargin = 40;
constexpr QSize kCardSize(80, 52);
constexpr int kCardGap = 28;
constexpr QRect kChip(11, 15, 18, 14);
constexpr QColor kBlueDark(0x16, 0x3a, 0x5c);
constexpr QColor kBlueLight(0x3f, 0x76, 0xaa);
constexpr QColor kGoldLight(0xf2, 0xd9, 0x8a);
constexpr QColor kGoldDark(0xb8, 0x95, 0x3f);
constexpr QColor kChipColour(255, 255, 255, 140);

QLabel* whiteText(const QString& text, QFont font, int pixelSize, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    return label;
}

} // namespace

OwnBanner::OwnBanner(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("ownBanner"));
    QFont sans;
    sans.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    auto* texts = new QVBoxLayout;
    texts->setSpacing(4);
    texts->addStretch(1);
    texts->addWidget(whiteText(QStringLiteral("Plenwick"), theme::captionFont(), 30, this));
    texts->addWidget(
        whiteText(QStringLiteral("Work out when your cards are paid off, and what paying more each month would save."),
                  sans, 14, this));
    texts->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(kSideMargin + kCardSize.width() + kCardGap, 0, kSideMargin, 0);
    layout->addLayout(texts);
    layout->addStretch(1);
}

void OwnBanner::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient blue(rect().topLeft(), rect().topRight());
    blue.setColorAt(0, kBlueDark);
    blue.setColorAt(0.5, theme::kCardHeading);
    blue.setColorAt(1, kBlueLight);
    painter.fillRect(rect(), blue);

    const QRect card(QPoint(kSideMargin, (height() - kCardSize.height()) / 2), kCardSize);
    QLinearGradient gold(card.topLeft(), card.bottomRight());
    gold.setColorAt(0, kGoldLight);
    gold.setColorAt(1, kGoldDark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gold);
    painter.drawRoundedRect(card, 8, 8);
    painter.setBrush(kChipColour);
    painter.drawRoundedRect(kChip.translated(card.topLeft()), 3, 3);
}

} // namespace plenwick
