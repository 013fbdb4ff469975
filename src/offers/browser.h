#pragma once

#include <QString>
#include <QUrl>

namespace plenwick {

// Opens a page in the person's own browser, as a program of its own, without
// waiting for it. Tests put a recorder in its place.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void open(const QUrl& page) = 0;
};

// The platform's opener, which finds the default browser on every system.
class DesktopUrlOpener : public UrlOpener {
public:
    void open(const QUrl& page) override;
};

// Only http and https addresses are opened; anything else, an empty address
// included, opens nothing. Returns whether the page was handed on.
bool OpenInBrowser(const QString& address, UrlOpener& opener);

// An offer's address as written in the offer file, made whole: a relative
// one ("offers/x.htm") is resolved against the offer file's own address, so
// the same file serves from any server and port; an absolute one, an empty
// one, one that is no address at all, or any address without an offer file
// to resolve it against, stays as it is.
QString offerPageAddress(const QString& address, const QUrl& offerFile);

} // namespace plenwick
