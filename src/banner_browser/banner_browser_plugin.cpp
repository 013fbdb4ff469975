#include "banner_browser/banner_browser_plugin.h"

#include "banner_browser/web_banner_view.h"

namespace plenwick {

QWidget* BannerBrowserPlugin::createBrowser(const QUrl& page, Hooks hooks, int timeoutMs, QWidget* parent)
{
    return new WebBannerView(page, std::move(hooks), timeoutMs, parent);
}

} // namespace plenwick
