#include "offers/browser.h"

#include <QDesktopServices>

namespace plenwick {

bool DesktopUrlOpener::open(const QUrl& page) { return QDesktopServices::openUrl(page); }

std::optional<QUrl> WebAddress(const QString& address)
{
    const QUrl page(address, QUrl::TolerantMode);
    const QString scheme = page.scheme().toLower();
    if (!page.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        page.host().isEmpty())
        return std::nullopt;
    return page;
}

bool OpenInBrowser(const QString& address, UrlOpener& opener)
{
    const std::optional<QUrl> page = WebAddress(address);
    return page && opener.open(*page);
}

QString offerPageAddress(const QString& address, const QUrl& offerFile)
{
    const QUrl page(address, QUrl::TolerantMode);
    if (address.trimmed().isEmpty() || !page.isValid() || !page.isRelative() || offerFile.isRelative())
        return address;
    const QUrl whole = offerFile.resolved(page);
    return whole.isValid() ? whole.toString() : address;
}

} // namespace plenwick
