#include "app/surroundings.h"

#include "app/web_banner.h"

#include <QCoreApplication>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace plenwick {

void prepareBannerBrowser(bool bannerPage)
{
#if defined(Q_OS_UNIX)
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
#endif
    if (bannerPage)
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QUrl builtInServer() { return QUrl(QStringLiteral(PLENWICK_SERVER_URL)); }

QWidget* createBanner(QWidget* strip, const QUrl& page)
{
    return new Banner(page, findBannerModule(), std::make_shared<DesktopUrlOpener>(), strip);
}

} // namespace plenwick
