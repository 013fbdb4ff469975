#include "banner_browser/web_banner_view.h"

#include <QChildEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWebEngineLoadingInfo>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace plenwick {

namespace {

// How long after a click or Enter the page it opens may come.
constexpr qint64 kActionMs = 2000;
// Addresses kept while the page has not yet said which link was clicked.
constexpr qsizetype kAskedKept = 8;

// The address of the link an element is in, or nothing. Run apart from the
// page's own scripts, which cannot change what it finds.
const QString kLinkOf = QStringLiteral("(element => { const link = element && element.closest('a[href], area[href]');"
                                       " return link && typeof link.href === 'string' ? link.href : ''; })(%1)");

class BannerPage : public QWebEnginePage {
public:
    BannerPage(const QUrl& home, WebBannerView* view)
        : QWebEnginePage(view)
        , m_home(home)
        , m_view(view)
    {
        connect(this, &QWebEnginePage::newWindowRequested, this, [this](const QWebEngineNewWindowRequest& request) {
            if (request.isUserInitiated())
                m_view->leaveFor(request.requestedUrl());
        });
        connect(this, &QWebEnginePage::featurePermissionRequested, this, [this](const QUrl& origin, Feature feature) {
            setFeaturePermission(origin, feature, PermissionDeniedByUser);
        });
    }

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        // The program's own load, frames inside the page and the page's server stay.
        if (type == NavigationTypeTyped || !isMainFrame || isHome(url))
            return true;
        // The browser reports a script's move as a link too.
        if (type == NavigationTypeLinkClicked)
            m_view->leaveFor(url);
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

    QUrl m_home;
    WebBannerView* m_view;
};

} // namespace

WebBannerView::WebBannerView(const QUrl& page, BannerBrowserModule::Hooks hooks, int timeoutMs, QWidget* parent)
    : QWebEngineView(parent)
    , m_hooks(std::move(hooks))
    , m_timeout(this)
{
    setContextMenuPolicy(Qt::NoContextMenu);
    // The person's clicks and keys reach the browser's own child widget.
    installEventFilter(this);
    auto* bannerPage = new BannerPage(page, this);
    setPage(bannerPage);
    connect(bannerPage, &QWebEnginePage::loadingChanged, this, &WebBannerView::loadingChanged);
    m_timeout.setSingleShot(true);
    connect(&m_timeout, &QTimer::timeout, this, &WebBannerView::fail);
    load(page);
    m_timeout.start(timeoutMs);
}

void WebBannerView::leaveFor(const QUrl& url)
{
    if (!m_action.since.isValid() || m_action.since.elapsed() >= kActionMs)
        return;
    if (!m_action.link) {
        if (m_action.asked.size() < kAskedKept && !m_action.asked.contains(url))
            m_action.asked << url;
        return;
    }
    if (m_action.link->isEmpty() || url != *m_action.link)
        return;
    m_action.since.invalidate(); // one page for each click
    m_hooks.openOutside(url);
}

void WebBannerView::personActed(const QString& findLink)
{
    m_action = {};
    m_action.since.start();
    page()->runJavaScript(findLink, QWebEngineScript::ApplicationWorld,
                          [view = QPointer(this), action = ++m_actions](const QVariant& link) {
                              if (view)
                                  view->linkFound(action, link.toString());
                          });
}

void WebBannerView::linkFound(quint64 action, const QString& link)
{
    if (action != m_actions) // a later click has taken its place
        return;
    m_action.link = QUrl(link);
    for (const QUrl& url : std::exchange(m_action.asked, {}))
        leaveFor(url);
}

bool WebBannerView::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        if (watched == this)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        break;
    case QEvent::MouseButtonRelease: {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        personActed(kLinkOf.arg(QStringLiteral("document.elementFromPoint(%1, %2)").arg(at.x()).arg(at.y())));
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            personActed(kLinkOf.arg(QStringLiteral("document.activeElement")));
        break;
    }
    default: break;
    }
    return QWebEngineView::eventFilter(watched, event);
}

void WebBannerView::loadingChanged(const QWebEngineLoadingInfo& loading)
{
    // A load that was only stopped (a move the page was refused) is no failure.
    if (loading.status() == QWebEngineLoadingInfo::LoadSucceededStatus && !m_failed) {
        m_timeout.stop();
        if (m_hooks.shown)
            m_hooks.shown();
    } else if (loading.status() == QWebEngineLoadingInfo::LoadFailedStatus) {
        fail();
    }
}

void WebBannerView::fail()
{
    m_timeout.stop();
    if (m_failed)
        return;
    m_failed = true;
    stop();
    if (m_hooks.failed)
        m_hooks.failed();
}

} // namespace plenwick
