// The real banner browser, the server it comes from, and the command line
// that names that server.
#include "app/program_options.h"
#include "app/web_banner.h"
#include "main_window_fixture.h"

#include <QDialog>
#include <QSettings>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

namespace plenwick::testing_support {

// The banner browser is settled before the test program's application object exists.
[[maybe_unused]] const bool kBannerBrowserPrepared = (prepareBannerBrowser(), true);

const QString kBanner = "/app/CCAppBanner.htm";

// Waits until the banner has loaded the page and shows its title.
bool shows(const QWebEngineView& view, const QUrl& page, const QString& title)
{
    return QTest::qWaitFor([&] { return view.url() == page && !view.page()->isLoading() && view.title() == title; },
                           30000);
}

TEST(WebBanner, ShowsOurOwnPageWhenTheServersCannotBeShown)
{
    using Mode = TestHttpServer::Mode;
    for (const auto& [status, mode] : {std::pair{200, Mode::Answer}, {404, Mode::Answer}, {200, Mode::Stall}}) {
        TestHttpServer server;
        server.route(kBanner, {status, "<title>Sample banner</title>", mode});
        const QUrl page = server.url(kBanner);
        WebBanner view(page, std::make_shared<RecordingOpener>(), nullptr, mode == Mode::Stall ? 2000 : 30000);
        view.show();
        EXPECT_TRUE(status == 200 && mode == Mode::Answer ? shows(view, page, "Sample banner")
                                                          : shows(view, ownBannerPage(), "Plenwick"))
            << status;
        EXPECT_EQ(server.requests(kBanner), 1);
    }
}

TEST(WebBanner, ShowsNoDialogsAndSendsLinksLeavingTheServerToTheBrowser)
{
    TestHttpServer server;
    server.route(kBanner,
                 {200, "<title>hostile</title><style>a { position: absolute; top: 0; width: 100px; height: "
                       "100px; }</style><a href='http://elsewhere.example/offer' style='left: 0'></a>"
                       "<a href='https://elsewhere.example/new' target=_blank style='left: 100px'></a>"
                       "<a href='/app/second.htm' style='left: 200px'></a><script>alert('a'); confirm('b'); "
                       "prompt('Enter your card number'); window.open('http://elsewhere.example/pop-up'); "
                       "setTimeout(() => { location.href = 'http://elsewhere.example/moved'; }, 0);</script>"});
    server.route("/app/second.htm", {200, "<title>second</title>"});
    auto opener = std::make_shared<RecordingOpener>();
    WebBanner view(server.url(kBanner), opener, nullptr);
    view.resize(400, 100);
    int dialogs = 0;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, &view, [&dialogs] {
        for (QWidget* shown : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(shown); dialog && dialog->isVisible())
                ++dialogs, dialog->reject();
        }
    });
    closer.start(50);
    view.show();
    ASSERT_TRUE(shows(view, server.url(kBanner), "hostile"));
    QTest::qWait(500); // the script's own moves
    for (const int x : {50, 150, 250}) {
        QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, QPoint(x, 50));
        QTest::qWait(300);
    }
    EXPECT_TRUE(shows(view, server.url("/app/second.htm"), "second"));
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(opener->opened,
              QList<QUrl>({QUrl("http://elsewhere.example/offer"), QUrl("https://elsewhere.example/new")}));
}

// Keeps the address of every request the banner browser makes.
class RequestLog : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override { urls << info.requestUrl(); }
    QList<QUrl> urls;
};

using BannerWindow = MainWindowTest;

TEST_F(BannerWindow, WithNoServerTheBannerFollowsTheFirstPaintAndNothingGoesOnTheNetwork)
{
    RequestLog log;
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(&log);
    Surroundings world = surroundings();
    world.server = QUrl();
    world.makeBanner = createWebBanner;
    window = std::make_unique<frmMain>(world);
    QTest::qWait(200);
    EXPECT_EQ(window->findChild<WebBanner*>(), nullptr);
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->findChild<WebBanner*>(); }));
    EXPECT_TRUE(shows(*window->findChild<WebBanner*>(), ownBannerPage(), "Plenwick"));
    QTest::qWait(1200); // past the offer download's start
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
    for (const QUrl& url : std::as_const(log.urls))
        EXPECT_EQ(url.scheme(), "qrc") << url.toString().toStdString();
}

TEST(CommandLine, ReadsTheServerHelpAndVersionAndRemembersTheServerUntilChanged)
{
    using Action = CommandLine::Action;
    const std::tuple<QStringList, Action, std::optional<QString>, const char*> cases[] = {
        {{}, Action::Run, std::nullopt, ""},
        {{"--server", "http://127.0.0.1:9/"}, Action::Run, "http://127.0.0.1:9/", ""},
        {{"--server="}, Action::Run, "", ""},
        {{"--help"}, Action::ShowHelp, std::nullopt, "--server <address>"},
        {{"--version"}, Action::ShowVersion, std::nullopt, "Plenwick 0."},
        {{"--server", "ftp://127.0.0.1/"}, Action::Refuse, std::nullopt, "ftp://127.0.0.1/"},
        {{"--sever", "http://a.example"}, Action::Refuse, std::nullopt, "sever"},
        {{"extra"}, Action::Refuse, std::nullopt, "extra"},
    };
    for (const auto& [arguments, action, server, text] : cases) {
        const CommandLine line = readCommandLine(QStringList{"plenwick"} + arguments);
        EXPECT_EQ(line.action, action) << arguments.join(' ').toStdString();
        EXPECT_EQ(line.server, server) << arguments.join(' ').toStdString();
        EXPECT_TRUE(line.text.contains(text)) << line.text.toStdString();
    }

    QTemporaryDir folder;
    QSettings settings(folder.filePath("Plenwick.conf"), QSettings::IniFormat);
    const QUrl builtIn("http://127.0.0.1:8765");
    const std::pair<std::optional<QString>, const char*> runs[] = {
        {std::nullopt, "http://127.0.0.1:8765"},
        {"http://a.example:81", "http://a.example:81"},
        {std::nullopt, "http://a.example:81"},
        {"", ""},
        {std::nullopt, ""},
    };
    for (const auto& [given, server] : runs)
        EXPECT_EQ(chooseServer(given, settings, builtIn), QUrl(server)) << server;
    settings.setValue("server", "ftp://a.example");
    EXPECT_EQ(chooseServer(std::nullopt, settings, builtIn), builtIn);
}

} // namespace plenwick::testing_support
