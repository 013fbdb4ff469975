#include "widgets/screen_panel.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(ScreenPanel, TilesTheStripAlongTheTopToTheRightEdgeOnEveryRepaint)
{
    QImage tile(9, 40, QImage::Format_RGB32);
    tile.fill(QColor(81, 142, 189));
    for (int row = 0; row < 40; ++row)
        tile.setPixelColor(8, row, QColor(200, 0, 0)); // marks each tile's right edge
    ScreenPanel panel;
    panel.resize(95, 60); // ten whole tiles and a cut one
    panel.FillPic(QPixmap::fromImage(tile));
    panel.hide();
    panel.show();

    const QImage painted = panel.grab().toImage();
    for (int whole = 0; whole < 10; ++whole)
        EXPECT_EQ(painted.pixelColor(whole * 9 + 8, 5), QColor(200, 0, 0)) << "tile " << whole;
    EXPECT_EQ(painted.pixelColor(94, 39), QColor(81, 142, 189)); // the cut last tile
}

} // namespace
} // namespace plenwick
