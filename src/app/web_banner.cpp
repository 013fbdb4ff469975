#include "app/web_banner.h"

#include <QChildEvent>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>

namespace plenwick {

namespace {

// How long after a click or a key press a link counts as the person's.
constexpr qint64 kActionMs = 1000;

class BannerPage : public QWebEnginePage {
public:
    BannerPage(const QUrl& home, std::shared_ptr<UrlOpener> opener, std::function<bool()> personActed, QObject* parent)
        : QWebEnginePage(parent)
        , m_home(home)
        , m_opener(std::move(opener))
        , m_personActed(std::move(personActed))
    {
        connect(this, &QWebEnginePage::newWindowRequested, this, [this](const QWebEngineNewWindowRequest& request) {
            if (request.isUserInitiated())
                openOutside(request.requestedUrl());
        });
        connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature feature) {
            setFeaturePermission(origin, feature, PermissionDeniedByUser);
        });
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        // The program's own loads, the home address and frames inside the page stay.
        if (type == NavigationTypeTyped || !isMainFrame || isHome(url))
            return true;
        // The browser reports a script's move as a link too: only one that
        // follows the person's click or key press counts.
        if (type == NavigationTypeLinkClicked && m_personActed())
            openOutside(url);
        return false;
    }

    void javaScriptAlert(const QUrl& /*origin*/, const QString& /*text*/) override { }
    bool javaScriptConfirm(const QUrl& /*origin*/, const QString& /*text*/) override { return false; }
    bool javaScriptPrompt(const QUrl& /*origin*/, const QString& /*text*/, const QString& /*answer*/,
                          QString* /*result*/) override
    {
        return false;
    }
    QStringList chooseFiles(FileSelectionMode /*mode*/, const QStringList& /*old*/,
                            const QStringList& /*types*/) override
    {
        return {};
    }

private:
    bool isHome(const QUrl& url) const
    {
        return url.scheme() == m_home.scheme() && url.host() == m_home.host() && url.port(-1) == m_home.port(-1);
    }

    void openOutside(const QUrl& url) { OpenInBrowser(url.toString(QUrl::FullyEncoded), *m_opener); }

    QUrl m_home;
    std::shared_ptr<UrlOpener> m_opener;
    std::function<bool()> m_personActed;
};

// Waits for the first paint event of a window, then queues the work behind it.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> work)
        : QObject(window)
        , m_window(window)
        , m_work(std::move(work))
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window && event->type() == QEvent::Paint) {
            m_window->removeEventFilter(this);
            // Queued: the paint starting now is finished and shown first.
            QTimer::singleShot(0, m_window, std::move(m_work));
            deleteLater();
        }
        return false;
    }

private:
    QWidget* m_window;
    std::function<void()> m_work;
};

} // namespace

QUrl ownBannerPage() { return QUrl(QStringLiteral("qrc:/plenwick/banner/banner.htm")); }

WebBanner::WebBanner(const QUrl& page, std::shared_ptr<UrlOpener> opener, QWidget* parent, int timeoutMs)
    : QWebEngineView(parent)
    , m_timeout(this)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    // The person's clicks and keys reach the browser's own child widget.
    installEventFilter(this);
    auto* bannerPage = new BannerPage(
        page.isEmpty() ? ownBannerPage() : page, std::move(opener), [this] { return personJustActed(); }, this);
    setPage(bannerPage);
    connect(bannerPage, &QWebEnginePage::loadingChanged, this, &WebBanner::loadingChanged);
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &WebBanner::showOwnPage);
    if (page.isEmpty()) {
        showOwnPage();
        return;
    }
    load(page);
    m_timeout.start(timeoutMs);
}

bool WebBanner::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == this)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::KeyPress: m_sinceInput.start(); break;
    default: break;
    }
    return QWebEngineView::eventFilter(watched, event);
}

bool WebBanner::personJustActed() const { return m_sinceInput.isValid() && m_sinceInput.elapsed() < kActionMs; }

void WebBanner::loadingChanged(const QWebEngineLoadingInfo& loading)
{
    // A load that was only stopped (a move the page was refused) is no failure.
    if (loading.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
        m_timeout.stop();
    else if (loading.status() == QWebEngineLoadingInfo::LoadFailedStatus && !m_showingOwnPage)
        showOwnPage();
}

void WebBanner::showOwnPage()
{
    m_timeout.stop();
    m_showingOwnPage = true;
    load(ownBannerPage());
}

void afterFirstPaint(QWidget* window, std::function<void()> work) { new FirstPaintWatch(window, std::move(work)); }

} // namespace plenwick
