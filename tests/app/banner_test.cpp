// The real banner browser, the server it comes from, and the command line
// that names that server.
#include "app/main_window_fixture.h"
#include "app/program_options.h"
#include "app/web_banner.h"

#include <QDialog>
#include <QSettings>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestInterceptor>

inline void PrintTo(const QUrl& url, std::ostream* os) { *os << url.toString().toStdString(); }

namespace plenwick {
namespace {

using testing_support::MainWindowTest;
using testing_support::RecordingOpener;
using testing_support::TestHttpServer;

const QString kBanner = QStringLiteral("/app/CCAppBanner.htm");

// Waits until the banner has loaded the page and shows its title.
bool shows(const QWebEngineView& view, const QUrl& page, const QString& title)
{
    return QTest::qWaitFor([&] { return view.url() == page && !view.page()->isLoading() && view.title() == title; },
                           30000);
}

TEST(WebBanner, ShowsOurOwnPageWhenTheServersCannotBeShown)
{
    const struct {
        const char* name;
        TestHttpServer::Route route;
        bool hasServer = true;
        bool serversPage = false;
    } cases[] = {
        {"answers", {200, "<title>Sample banner</title>"}, true, true},
        {"no server", {200, "<title>Sample banner</title>"}, false},
        {"HTTP error", {404, "<title>Not here</title>"}},
        {"no answer", {200, {}, TestHttpServer::Mode::Stall}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TestHttpServer server;
        server.route(kBanner, test.route);
        const QUrl page = test.hasServer ? server.url(kBanner) : QUrl();
        const int timeoutMs = test.route.mode == TestHttpServer::Mode::Stall ? 2000 : 30000;
        WebBanner view(page, std::make_shared<RecordingOpener>(), nullptr, timeoutMs);
        view.show();
        EXPECT_TRUE(test.serversPage ? shows(view, page, QStringLiteral("Sample banner"))
                                     : shows(view, ownBannerPage(), QStringLiteral("Plenwick")));
        EXPECT_EQ(server.requests(kBanner), test.hasServer ? 1 : 0);
    }
}

TEST(WebBanner, ShowsNoDialogsAndSendsLinksLeavingTheServerToTheBrowser)
{
    TestHttpServer server;
    server.route(kBanner, {200, R"(<title>hostile</title>
        <style>a { position: absolute; top: 0; width: 100px; height: 100px; }</style>
        <a href="http://elsewhere.example/offer" style="left: 0"></a>
        <a href="https://elsewhere.example/new" target="_blank" style="left: 100px"></a>
        <a href="/app/second.htm" style="left: 200px"></a>
        <script>
          alert("a"); confirm("b"); prompt("Enter your card number");
          window.open("http://elsewhere.example/pop-up");
          setTimeout(() => { location.href = "http://elsewhere.example/moved"; }, 0);
        </script>)"});
    server.route(QStringLiteral("/app/second.htm"), {200, "<title>second</title>"});
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
    ASSERT_TRUE(shows(view, server.url(kBanner), QStringLiteral("hostile")));
    QTest::qWait(500); // the script's own moves
    for (const int x : {50, 150, 250}) {
        QTest::mouseClick(view.focusProxy(), Qt::LeftButton, {}, QPoint(x, 50));
        QTest::qWait(300);
    }
    EXPECT_TRUE(shows(view, server.url(QStringLiteral("/app/second.htm")), QStringLiteral("second")));
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(opener->opened, (std::vector<QUrl>{QUrl(QStringLiteral("http://elsewhere.example/offer")),
                                                 QUrl(QStringLiteral("https://elsewhere.example/new"))}));
}

// Keeps the address of every request the banner browser makes.
class RequestLog : public QWebEngineUrlRequestInterceptor {
public:
    void interceptRequest(QWebEngineUrlRequestInfo& info) override { urls << info.requestUrl(); }
    QList<QUrl> urls;
};

class BannerWindow : public MainWindowTest {
protected:
    void SetUp() override { } // each test opens the window itself
};

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
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->findChild<WebBanner*>(); }, 5000));
    EXPECT_TRUE(window->findChild<WebBanner*>()->isVisible());
    EXPECT_TRUE(shows(*window->findChild<WebBanner*>(), ownBannerPage(), QStringLiteral("Plenwick")));
    QTest::qWait(1200); // past the offer download's start
    QWebEngineProfile::defaultProfile()->setUrlRequestInterceptor(nullptr);
    for (const QUrl& url : std::as_const(log.urls))
        EXPECT_EQ(url.scheme(), QStringLiteral("qrc")) << url.toString().toStdString();
}

TEST(CommandLine, ReadsTheServerHelpAndVersion)
{
    using Action = CommandLine::Action;
    const struct {
        QStringList arguments;
        Action action;
        std::optional<QString> server;
        const char* text = "";
    } cases[] = {
        {{}, Action::Run, std::nullopt},
        {{"--server", "http://127.0.0.1:9/"}, Action::Run, QStringLiteral("http://127.0.0.1:9/")},
        {{"--server="}, Action::Run, QString()},
        {{"--help"}, Action::ShowHelp, std::nullopt, "--server <address>"},
        {{"--version"}, Action::ShowVersion, std::nullopt, "Plenwick 0."},
        {{"--server", "ftp://127.0.0.1/"}, Action::Refuse, std::nullopt, "ftp://127.0.0.1/"},
        {{"--sever", "http://a.example"}, Action::Refuse, std::nullopt, "sever"},
        {{"extra"}, Action::Refuse, std::nullopt, "extra"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.arguments.join(' ').toStdString());
        const CommandLine line = readCommandLine(QStringList{QStringLiteral("plenwick")} + test.arguments);
        EXPECT_EQ(line.action, test.action);
        EXPECT_EQ(line.server, test.server);
        EXPECT_TRUE(line.text.contains(QLatin1String(test.text))) << line.text.toStdString();
    }
}

TEST(CommandLine, AServerGivenIsRememberedUntilChanged)
{
    QTemporaryDir folder;
    QSettings settings(folder.filePath(QStringLiteral("Plenwick.conf")), QSettings::IniFormat);
    const QUrl builtIn(QStringLiteral("http://127.0.0.1:8765"));
    const struct {
        std::optional<QString> given;
        const char* server;
    } runs[] = {
        {std::nullopt, "http://127.0.0.1:8765"},
        {QStringLiteral("http://a.example:81"), "http://a.example:81"},
        {std::nullopt, "http://a.example:81"},
        {QString(), ""},
        {std::nullopt, ""},
    };
    for (const auto& run : runs)
        EXPECT_EQ(chooseServer(run.given, settings, builtIn), QUrl(QLatin1String(run.server))) << run.server;
    settings.setValue(QStringLiteral("server"), QStringLiteral("ftp://a.example"));
    EXPECT_EQ(chooseServer(std::nullopt, settings, builtIn), builtIn);
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
