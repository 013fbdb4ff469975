// The real banner browser module, loaded as the program loads it, in a test
// program of its own: the server's page, our own banner when it cannot be
// loaded, and the rule for links.
#include "app/surroundings.h"
#include "app/web_banner.h"
#include "offers/recording_opener.h"
#include "offers/test_http_server.h"
#include "widgets/own_banner.h"

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <link.h>

namespace plenwick::testing_support {

// The browser is settled before the test program's application object exists.
[[maybe_unused]] const bool kBannerBrowserPrepared = (prepareBannerBrowser(), true);

// Mesa unloads its OpenGL driver when the display closes, before the leak
// checker looks at the end: what the driver still held would count as leaked.
// The driver stays loaded instead.
class KeepOpenGLDriver : public testing::Environment {
    void TearDown() override
    {
        dl_iterate_phdr(
            [](dl_phdr_info* library, std::size_t, void*) {
                if (QByteArray(library->dlpi_name).endsWith("_dri.so"))
                    dlopen(library->dlpi_name, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
                return 0;
            },
            nullptr);
    }
};
[[maybe_unused]] testing::Environment* const kKeepOpenGLDriver =
    testing::AddGlobalTestEnvironment(new KeepOpenGLDriver);

const QString kBanner = "/app/CCAppBanner.htm";
const QString kModule = PLENWICK_BANNER_MODULE_PATH;

// Waits until the banner shows the browser with the page loaded under its
// title (read without linking the browser engine, as the program does).
bool showsPage(const Banner& banner, const QString& title)
{
    return QTest::qWaitFor(
        [&] {
            return banner.browser() && banner.shown() == banner.browser() && banner.shown()->property("title") == title;
        },
        30000);
}

TEST(BannerBrowser, ShowsTheServersPageAndOurOwnBannerWhenItCannotBeLoaded)
{
    using Mode = TestHttpServer::Mode;
    for (const auto& [status, mode] : {std::pair{200, Mode::Answer}, {404, Mode::Answer}, {200, Mode::Stall}}) {
        TestHttpServer server;
        server.route(kBanner, {status, "<title>Sample banner</title>", mode});
        Banner banner(server.url(kBanner), kModule, std::make_shared<RecordingOpener>(), nullptr,
                      mode == Mode::Stall ? 2000 : 30000);
        banner.show();
        if (status == 200 && mode == Mode::Answer) {
            EXPECT_TRUE(showsPage(banner, "Sample banner"));
        } else {
            EXPECT_TRUE(QTest::qWaitFor([&] { return server.requests(kBanner) == 1 && !banner.browser(); }, 30000))
                << status;
            EXPECT_NE(qobject_cast<OwnBanner*>(banner.shown()), nullptr) << status;
        }
        EXPECT_EQ(server.requests(kBanner), 1);
    }
}

TEST(BannerBrowser, ShowsNoDialogsAndSendsOnePageForEachClickOfThePerson)
{
    TestHttpServer server;
    server.route(kBanner,
                 {200,
                  "<title>hostile</title><style>a, div { position: absolute; top: 0; width: 100px; height: "
                  "100px; }</style><a href='http://elsewhere.example/offer' style='left: 0'></a>"
                  "<a href='https://elsewhere.example/new' target=_blank style='left: 100px'></a>"
                  "<a href='/app/second.htm' style='left: 200px'></a>"
                  "<a href='http://elsewhere.example/flood' style='left: 300px' onclick='flood(this)'></a>"
                  "<div style='left: 400px' onclick=\"window.open('http://elsewhere.example/div')\"></div>"
                  "<script>alert('a'); confirm('b'); prompt('Enter your card number'); "
                  "window.open('http://elsewhere.example/pop-up'); setTimeout(() => { location.href = "
                  "'http://elsewhere.example/moved'; }, 0); function flood(link) { for (let i = 0; i < 3; ++i) "
                  "window.open(link.href); window.open('http://elsewhere.example/other'); for (let i = 0; i < 5; ++i) "
                  "setTimeout(() => { location.href = 'http://elsewhere.example/moved' + i; }, 10 * i); }</script>"});
    server.route("/app/second.htm", {200, "<title>second</title>"});
    auto opener = std::make_shared<RecordingOpener>();
    Banner banner(server.url(kBanner), kModule, opener, nullptr);
    banner.resize(500, 100);
    int dialogs = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &banner, [&dialogs] {
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(shown); dialog && dialog->isVisible())
                ++dialogs, dialog->reject();
        }
    });
    closer.start(50);
    banner.show();
    ASSERT_TRUE(showsPage(banner, "hostile"));
    QTest::qWait(500); // the script's own moves
    // Each click once what it opens has been opened, and a second more for anything it might open besides.
    const std::pair<int, qsizetype> clicks[] = {{50, 1}, {150, 2}, {350, 3}, {450, 3}, {250, 3}};
    for (const auto& [x, opened] : clicks) {
        QTest::mouseClick(banner.browser()->focusProxy(), Qt::LeftButton, {}, QPoint(x, 50));
        EXPECT_TRUE(QTest::qWaitFor([&, atLeast = opened] { return opener->opened.size() >= atLeast; }, 10000)) << x;
        QTest::qWait(1000);
    }
    EXPECT_TRUE(showsPage(banner, "second"));
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(opener->opened,
              QList<QUrl>({QUrl("http://elsewhere.example/offer"), QUrl("https://elsewhere.example/new"),
                           QUrl("http://elsewhere.example/flood")}));
}

} // namespace plenwick::testing_support
