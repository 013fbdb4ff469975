#include "app/web_banner.h"

#include "banner_browser/banner_browser.h"
#include "widgets/own_banner.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QOpenGLContext>
#include <QOpenGLWidget>
#include <QPluginLoader>
#include <QStackedLayout>
#include <QTimer>

namespace plenwick {

namespace {

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

// Whether the browser draws through OpenGL: where OpenGL works, on the
// platforms that compose a window's widgets with it (not the offscreen one
// of tests, nor a bare frame buffer).
bool browserDrawsThroughOpenGL()
{
    static const QStringList composing{QStringLiteral("xcb"), QStringLiteral("wayland"), QStringLiteral("windows"),
                                       QStringLiteral("cocoa"), QStringLiteral("eglfs")};
    const QOpenGLContext* shared = QOpenGLContext::globalShareContext();
    return shared && shared->isValid() && composing.contains(QGuiApplication::platformName());
}

} // namespace

QString findBannerModule()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& path :
         {programFolder.filePath(QStringLiteral(PLENWICK_BANNER_MODULE)),
          programFolder.filePath(QStringLiteral(PLENWICK_MODULE_FOLDER "/" PLENWICK_BANNER_MODULE))}) {
        if (QFileInfo(path).isFile())
            return QDir::cleanPath(path);
    }
    return {};
}

Banner::Banner(const QUrl& page, const QString& module, std::shared_ptr<UrlOpener> opener, QWidget* parent,
               int timeoutMs)
    : QWidget(parent)
    , m_page(page)
    , m_module(module)
    , m_opener(std::move(opener))
    , m_timeoutMs(timeoutMs)
    , m_layers(new QStackedLayout(this))
    , m_ownBanner(new OwnBanner(this))
{
    m_layers->addWidget(m_ownBanner);
    if (m_page.isEmpty())
        return;
    // A window that is to hold the browser is made to draw the way the
    // browser does from its first showing: adding the browser to a window
    // already shown would make Qt destroy and re-create the window.
    if (browserDrawsThroughOpenGL() && QFileInfo(m_module).isFile())
        (new QOpenGLWidget(this))->hide();
    // The browser takes long to start: the window is on the screen first.
    afterFirstPaint(window(), [banner = QPointer(this)] {
        if (banner)
            banner->startBrowser();
    });
}

QWidget* Banner::shown() const { return m_layers->currentWidget(); }

void Banner::startBrowser()
{
    QPluginLoader loader(m_module);
    auto* module = m_module.isEmpty() ? nullptr : qobject_cast<BannerBrowserModule*>(loader.instance());
    if (!module) {
        qWarning("Plenwick shows its own banner: the banner browser module %s",
                 qUtf8Printable(m_module.isEmpty()
                                    ? QStringLiteral("is not installed")
                                    : QStringLiteral("%1 cannot be loaded (%2)")
                                          .arg(QDir::toNativeSeparators(m_module), loader.errorString())));
        return;
    }
    BannerBrowserModule::Hooks hooks;
    hooks.openOutside = [opener = m_opener](const QUrl& url) {
        OpenInBrowser(url.toString(QUrl::FullyEncoded), *opener);
    };
    hooks.shown = [this] {
        if (m_browser)
            m_layers->setCurrentWidget(m_browser);
    };
    hooks.failed = [this] { showOwnBanner(); };
    m_browser = module->createBrowser(m_page, std::move(hooks), m_timeoutMs, this);
    m_layers->addWidget(m_browser); // behind our own banner until the page has loaded
}

void Banner::showOwnBanner()
{
    m_layers->setCurrentWidget(m_ownBanner);
    // The browser is still inside its own call.
    if (m_browser)
        m_browser->deleteLater();
    m_browser = nullptr;
}

void afterFirstPaint(QWidget* window, std::function<void()> work)
{
    if (window->isVisible())
        QTimer::singleShot(0, window, std::move(work));
    else
        new FirstPaintWatch(window, std::move(work));
}

} // namespace plenwick
