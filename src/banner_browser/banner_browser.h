#pragma once

#include <QUrl>
#include <QtPlugin>

#include <functional>

class QWidget;

namespace plenwick {

// The banner browser module: a browser view of the server's banner page. It
// is a plugin of its own, so that the program never links the browser engine
// and loads it only when there is a page to show.
class BannerBrowserModule {
public:
    struct Hooks {
        // A link the person clicked out of the page's server, for the person's browser.
        std::function<void(const QUrl&)> openOutside;
        // The page has loaded.
        std::function<void()> shown;
        // The page cannot be loaded: refused, an HTTP error, or no answer in time.
        std::function<void()> failed;
    };

    virtual ~BannerBrowserModule() = default;

    // Starts loading the page and returns at once.
    virtual QWidget* createBrowser(const QUrl& page, Hooks hooks, int timeoutMs, QWidget* parent) = 0;
};

} // namespace plenwick

#define PLENWICK_BANNER_BROWSER_IID "org.plenwick.BannerBrowserModule/1"
Q_DECLARE_INTERFACE(plenwick::BannerBrowserModule, PLENWICK_BANNER_BROWSER_IID)
