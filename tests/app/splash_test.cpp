#include "app/frm_splash.h"

#include <QLabel>
#include <QPixmap>
#include <QTest>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(Splash, OpensTheMainWindowOnceAfterATenthOfASecondAndCloses)
{
    int opened = 0;
    frmSplash splash([&] { ++opened; });
    splash.show();
    EXPECT_EQ(splash.timer()->interval(), 100);
    EXPECT_EQ(opened, 0);
    QTest::qWait(400);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(splash.isVisible());
}

TEST(Splash, ShowsTheNameWithASilverShadowOverTheCards)
{
    frmSplash splash([] {});
    splash.timer()->stop();
    const auto* white = splash.findChild<QLabel*>(QStringLiteral("Label1"));
    const auto* silver = splash.findChild<QLabel*>(QStringLiteral("Label2"));
    const auto* picture = splash.findChild<QLabel*>(QStringLiteral("Image1"));
    ASSERT_TRUE(white && silver && picture);
    EXPECT_EQ(white->text(), QStringLiteral("Plenwick "));
    EXPECT_EQ(silver->text(), white->text());
    EXPECT_EQ(silver->pos() - white->pos(), QPoint(3, 3));
    EXPECT_TRUE(white->font().bold());
    EXPECT_EQ(white->font().pointSize(), 36);
    // Stacking, front to back: white text, silver text, picture.
    const QObjectList& children = splash.children();
    EXPECT_LT(children.indexOf(picture), children.indexOf(silver));
    EXPECT_LT(children.indexOf(silver), children.indexOf(white));
    EXPECT_EQ(picture->pixmap().size(), QSize(400, 405));
    EXPECT_TRUE(picture->hasScaledContents());
}

} // namespace
} // namespace plenwick
