#include "app/frm_splash.h"

#include <QTest>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

TEST(Splash, OpensTheMainWindowOnceShortlyAfterShowingAndCloses)
{
    int opened = 0;
    frmSplash splash([&] { ++opened; });
    splash.show();
    EXPECT_EQ(opened, 0);
    QTest::qWait(400);
    EXPECT_EQ(opened, 1);
    EXPECT_FALSE(splash.isVisible());
}

} // namespace
} // namespace plenwick
