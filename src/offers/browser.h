#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace plenwick {

// Opens a page in the person's own browser, as a program of its own, without
// waiting for it. Tests put a recorder in its place.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    // Returns false when no browser could be started for the page.
    virtual bool open(const QUrl& page) = 0;
};

// The platform's opener, which finds the default browser on every system.
class DesktopUrlOpener : public UrlOpener {
public:
    bool open(const QUrl& page) override;
};

// The address as a page for the person's browser: only http and https
// addresses with a host are; anything else, an empty address included, is not.
std::optional<QUrl> WebAddress(const QString& address);

// Hands a web address to the opener; anything else opens nothing. Returns
// whether the page was handed on and the opener took it.
bool OpenInBrowser(const QString& address, UrlOpener& opener);

// An offer's address as written in the offer file, made whole: a relative
// one ("offers/x.htm") is resolved against the offer file's own address, so
// the same file serves from any server and port; an absolute one, an empty
// one, one that is no address at all, or any address without an offer file
// to resolve it against, stays as it is.
QString offerPageAddress(const QString& address, const QUrl& offerFile);

} // namespace plenwick
