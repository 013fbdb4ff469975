#include "app/surroundings.h"

#include "app/web_banner.h"

#include <QCoreApplication>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace plenwick {

void prepareBannerBrowser()
{
#if defined(Q_OS_UNIX)
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QUrl builtInServer() { return QUrl(QStringLiteral(PLENWICK_SERVER_URL)); }

QWidget* createWebBanner(QWidget* strip, const QUrl& page)
{
    return new WebBanner(page, std::make_shared<DesktopUrlOpener>(), strip);
}

} // namespace plenwick
