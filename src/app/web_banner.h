#pragma once

#include "offers/browser.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

#include <functional>
#include <memory>

class QWebEngineLoadingInfo;

namespace plenwick {

// Our own banner page, from the program's resources.
QUrl ownBannerPage();

// The banner browser. It starts loading the page and returns at once; when
// there is no page, or the page cannot be loaded (refused, an HTTP error, no
// answer in time), it shows our own page instead of the browser's error page.
// The page shows no JavaScript dialogs, file pickers or permission prompts,
// and keeps to the address it came from (scheme, host and port): a link the
// person follows out of it, or to a new window, opens in the person's browser
// under the rule of WebAddress; a page that moves itself elsewhere stays.
class WebBanner : public QWebEngineView {
    Q_OBJECT
public:
    static constexpr int kDefaultTimeoutMs = 10'000;

    WebBanner(const QUrl& page, std::shared_ptr<UrlOpener> opener, QWidget* parent, int timeoutMs = kDefaultTimeoutMs);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool personJustActed() const;
    void loadingChanged(const QWebEngineLoadingInfo& loading);
    void showOwnPage();

    QTimer m_timeout;
    QElapsedTimer m_sinceInput;
    bool m_showingOwnPage = false;
};

// Runs the work once, right after the window's first paint has reached the
// screen, so that slow work does not hold the window back.
void afterFirstPaint(QWidget* window, std::function<void()> work);

} // namespace plenwick
