#include "screens/screen_panel.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

QPixmap stripedTile()
{
    QImage tile(9, 40, QImage::Format_RGB32);
    tile.fill(QColor(81, 142, 189));
    for (int row = 0; row < 40; ++row)
        tile.setPixelColor(8, row, QColor(200, 0, 0)); // marks each tile's right edge
    return QPixmap::fromImage(tile);
}

TEST(ScreenPanel, TilesTheStripAlongTheTopToTheRightEdge)
{
    ScreenPanel panel;
    panel.resize(95, 60); // ten whole tiles and a cut one
    panel.FillPic(stripedTile());
    const QImage painted = panel.grab().toImage();

    for (int tile = 0; tile < 10; ++tile)
        EXPECT_EQ(painted.pixelColor(tile * 9 + 8, 5), QColor(200, 0, 0)) << "tile " << tile;
    EXPECT_EQ(painted.pixelColor(94, 5), QColor(81, 142, 189)); // the cut last tile
    EXPECT_EQ(painted.pixelColor(0, 39), QColor(81, 142, 189));
}

TEST(ScreenPanel, KeepsItsBackgroundAcrossRepaints)
{
    ScreenPanel panel;
    panel.resize(30, 30);
    panel.FillPic(stripedTile());
    panel.hide();
    panel.show();
    panel.repaint();
    EXPECT_EQ(panel.grab().toImage().pixelColor(17, 3), QColor(200, 0, 0));
}

} // namespace
} // namespace plenwick
