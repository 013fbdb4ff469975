#include "main_window_fixture.h"

#include "screens/screen_panel.h"

#include <QImage>

namespace plenwick {
namespace {

using testing_support::MainWindowTest;

TEST(TileStrip, ShadesFromMediumToLightBlue)
{
    const QImage strip(QStringLiteral(":/plenwick/tile_strip.png"));
    ASSERT_EQ(strip.size(), QSize(9, 576));
    const std::array<std::array<int, 4>, 6> rows{{{0, 81, 142, 189},
                                                  {128, 98, 152, 198},
                                                  {256, 115, 167, 206},
                                                  {384, 136, 182, 216},
                                                  {512, 153, 197, 224},
                                                  {575, 162, 202, 227}}};
    for (const auto& [row, red, green, blue] : rows) {
        const QColor colour = strip.pixelColor(4, row);
        EXPECT_NEAR(colour.red(), red, 4) << row;
        EXPECT_NEAR(colour.green(), green, 4) << row;
        EXPECT_NEAR(colour.blue(), blue, 4) << row;
        EXPECT_EQ(strip.pixelColor(0, row), colour) << "every row is one colour";
    }
}

using PanelPainting = MainWindowTest;

TEST_F(PanelPainting, AllThreePanelsAreTiledShortlyAfterStartAndKeepItAfterSwitches)
{
    QTest::qWait(60);
    for (int screen = 0; screen < 3; ++screen)
        EXPECT_FALSE(control<ScreenPanel>("Picture1", screen)->tile().isNull()) << screen;

    click("MyCardsCMD", 2);
    click("MyCardsCMD", 1);
    const QImage painted = control("Picture1", 1)->grab().toImage();
    const QColor top = painted.pixelColor(3, 2);
    EXPECT_NEAR(top.red(), 81, 4);
    EXPECT_NEAR(top.blue(), 189, 4);
    const QColor lower = painted.pixelColor(3, 500);
    EXPECT_GT(lower.red(), 140);
}

} // namespace
} // namespace plenwick
