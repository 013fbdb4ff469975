// The real banner browser, loading a page from a local server.
#include "app/surroundings.h"
#include "offers/test_http_server.h"

#include <QApplication>
#include <QSignalSpy>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace plenwick {
namespace {

using testing_support::TestHttpServer;

TEST(WebBanner, LoadsThePageWithoutWaitingForIt)
{
    TestHttpServer server;
    server.route(QStringLiteral("/app/CCAppBanner.htm"),
                 {200, "<html><head><title>Sample banner</title></head><body><h1>Banner</h1></body></html>"});
    QWidget strip;
    strip.resize(988, 115);

    auto* view =
        qobject_cast<QWebEngineView*>(createWebBanner(&strip, server.url(QStringLiteral("/app/CCAppBanner.htm"))));
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->parentWidget(), &strip);
    EXPECT_EQ(server.requests(QStringLiteral("/app/CCAppBanner.htm")), 0); // nothing waited for yet

    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    strip.show();
    ASSERT_TRUE(loaded.wait(30000));
    EXPECT_TRUE(loaded.takeFirst().at(0).toBool());
    EXPECT_EQ(view->title(), QStringLiteral("Sample banner"));
    EXPECT_EQ(server.requests(QStringLiteral("/app/CCAppBanner.htm")), 1);
}

TEST(WebBanner, APageThatCannotLoadIsLeftToTheBrowser)
{
    TestHttpServer server; // nothing routed: 404
    QWidget strip;
    auto* view =
        qobject_cast<QWebEngineView*>(createWebBanner(&strip, server.url(QStringLiteral("/app/CCAppBanner.htm"))));
    QSignalSpy loaded(view, &QWebEngineView::loadFinished);
    strip.show();
    ASSERT_TRUE(loaded.wait(30000));
}

} // namespace
} // namespace plenwick

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    plenwick::prepareBannerBrowser();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
