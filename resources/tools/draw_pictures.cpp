// Draws the pictures Plenwick ships: the tile strip behind its screens, the
// heap of credit cards on its splash window and the application icon's
// sizes from its drawing. Run by draw_pictures.sh; the
// output is committed beside the resource file.
#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

#include <array>
#include <cstdio>

namespace {

struct ColourStop {
    int row;
    int red, green, blue;
};

// Medium blue at the top to light blue at the bottom.
constexpr std::array<ColourStop, 6> kStripStops{{{0, 81, 142, 189},
                                                 {128, 98, 152, 198},
                                                 {256, 115, 167, 206},
                                                 {384, 136, 182, 216},
                                                 {512, 153, 197, 224},
                                                 {575, 162, 202, 227}}};

QImage drawTileStrip()
{
    QImage strip(9, 576, QImage::Format_RGB888);
    for (int row = 0; row < strip.height(); ++row) {
        std::size_t stop = 0;
        while (kStripStops[stop + 1].row < row)
            ++stop;
        const ColourStop& a = kStripStops[stop];
        const ColourStop& b = kStripStops[stop + 1];
        const double t = double(row - a.row) / (b.row - a.row);
        const QColor colour(qRound(a.red + t * (b.red - a.red)), qRound(a.green + t * (b.green - a.green)),
                            qRound(a.blue + t * (b.blue - a.blue)));
        for (int x = 0; x < strip.width(); ++x)
            strip.setPixelColor(x, row, colour);
    }
    return strip;
}

void drawCard(QPainter& painter, QPointF centre, double angle, const QColor& base, const QColor& accent)
{
    const QRectF card(-120, -76, 240, 152);
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);

    // Shadow first, then the card face.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawRoundedRect(card.translated(4, 6), 12, 12);

    QLinearGradient face(card.topLeft(), card.bottomRight());
    face.setColorAt(0, base.lighter(125));
    face.setColorAt(1, base.darker(120));
    painter.setBrush(face);
    painter.setPen(QPen(base.darker(160), 1.2));
    painter.drawRoundedRect(card, 12, 12);

    // A sweeping band of the accent colour.
    QPainterPath band;
    band.moveTo(card.left(), card.top() + 95);
    band.cubicTo(card.left() + 80, card.top() + 40, card.left() + 160, card.top() + 140, card.right(), card.top() + 70);
    band.lineTo(card.right(), card.top() + 100);
    band.cubicTo(card.left() + 160, card.top() + 165, card.left() + 80, card.top() + 70, card.left(), card.top() + 125);
    band.closeSubpath();
    painter.setPen(Qt::NoPen);
    QColor bandColour = accent;
    bandColour.setAlpha(110);
    painter.setBrush(bandColour);
    painter.setClipPath([&] {
        QPainterPath clip;
        clip.addRoundedRect(card, 12, 12);
        return clip;
    }());
    painter.drawPath(band);
    painter.setClipping(false);

    // The chip.
    QLinearGradient gold(QPointF(-95, -30), QPointF(-60, 0));
    gold.setColorAt(0, QColor(247, 222, 140));
    gold.setColorAt(1, QColor(196, 160, 70));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(150, 120, 50), 0.8));
    painter.drawRoundedRect(QRectF(-95, -32, 36, 28), 4, 4);
    painter.drawLine(QPointF(-95, -18), QPointF(-59, -18));
    painter.drawLine(QPointF(-77, -32), QPointF(-77, -4));

    // Groups of digits, drawn as raised dots.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 210));
    for (int group = 0; group < 4; ++group) {
        for (int digit = 0; digit < 4; ++digit)
            painter.drawEllipse(QPointF(-95 + group * 52 + digit * 10, 25), 3.2, 3.2);
    }
    painter.setBrush(QColor(255, 255, 255, 150));
    painter.drawRoundedRect(QRectF(-95, 45, 90, 7), 3, 3);
    painter.drawRoundedRect(QRectF(55, 45, 40, 7), 3, 3);

    // Two overlapping rings in the corner.
    painter.setBrush(QColor(accent.red(), accent.green(), accent.blue(), 200));
    painter.drawEllipse(QPointF(78, -45), 15, 15);
    painter.setBrush(QColor(255, 255, 255, 140));
    painter.drawEllipse(QPointF(96, -45), 15, 15);
    painter.restore();
}

QImage drawCardHeap()
{
    QImage picture(400, 405, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient desk(0, 0, 400, 405);
    desk.setColorAt(0, QColor(34, 58, 94));
    desk.setColorAt(1, QColor(12, 24, 44));
    painter.fillRect(picture.rect(), desk);

    struct Card {
        QPointF centre;
        double angle;
        QColor base, accent;
    };
    const Card heap[] = {
        {{110, 95}, -28, QColor(70, 70, 78), QColor(200, 200, 210)},
        {{300, 90}, 22, QColor(20, 90, 60), QColor(120, 220, 160)},
        {{90, 300}, 35, QColor(120, 30, 40), QColor(240, 140, 120)},
        {{310, 310}, -18, QColor(30, 60, 140), QColor(120, 190, 255)},
        {{200, 160}, 8, QColor(150, 110, 30), QColor(255, 230, 150)},
        {{160, 250}, -12, QColor(60, 30, 110), QColor(200, 150, 255)},
        {{260, 230}, 30, QColor(25, 25, 30), QColor(230, 190, 90)},
        {{205, 300}, -4, QColor(200, 200, 205), QColor(90, 140, 200)},
    };
    for (const Card& card : heap)
        drawCard(painter, card.centre, card.angle, card.base, card.accent);
    return picture;
}

// The application icon at the sizes desktops look for, from its drawing.
bool drawIconSizes(const QString& folder)
{
    QSvgRenderer icon(folder + QStringLiteral("/icons/org.plenwick.Plenwick.svg"));
    if (!icon.isValid())
        return false;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        icon.render(&painter);
        painter.end();
        if (!image.save(folder + QStringLiteral("/icons/%1x%1.png").arg(size)))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const bool written = drawTileStrip().save(folder + QStringLiteral("/tile_strip.png")) &&
                         drawCardHeap().save(folder + QStringLiteral("/splash_cards.png")) && drawIconSizes(folder);
    if (!written) {
        std::fprintf(stderr, "could not write the pictures into %s\n", qPrintable(folder));
        return 1;
    }
    return 0;
}
