#pragma once

#include "offers/browser.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <memory>

class QStackedLayout;

namespace plenwick {

class OwnBanner;

// The banner browser module where the program looks for it: beside the
// program (as built) or in the program's library folder (as installed);
// empty when it is in neither.
QString findBannerModule();

// The banner strip's content. Our own banner shows from the start; with a
// page, once the window has been painted, the module's browser loads it and
// takes our banner's place when it has. With no page no browser starts; with
// no module, one that cannot be loaded (said in one line on standard error),
// or a page that cannot be loaded, our own banner stays. A link the person
// clicks out of the page goes to the opener under the rule of OpenInBrowser.
class Banner : public QWidget {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 10'000;

    Banner(const QUrl& page, const QString& module, std::shared_ptr<UrlOpener> opener, QWidget* parent,
           int timeoutMs = kDefaultTimeoutMs);

    // The browser while it is loading or showing the page; none otherwise.
    QWidget* browser() const { return m_browser; }
    // What the banner shows now: our own banner or the browser.
    QWidget* shown() const;

private:
    void startBrowser();
    void showOwnBanner();

    QUrl m_page;
    QString m_module;
    std::shared_ptr<UrlOpener> m_opener;
    int m_timeoutMs;
    QStackedLayout* m_layers = nullptr;
    OwnBanner* m_ownBanner = nullptr;
    QPointer<QWidget> m_browser;
};

// Runs the work once, right after the window's first paint has reached the
// screen, so that slow work does not hold the window back.
void afterFirstPaint(QWidget* window, std::function<void()> work);

} // namespace plenwick
