#pragma once

#include "banner_browser/banner_browser.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWebEngineView>

#include <optional>

class QWebEngineLoadingInfo;

namespace plenwick {

// The browser view of the banner page. It starts loading the page and returns
// at once, and says through its hooks when the page has loaded or cannot be
// loaded (refused, an HTTP error, no answer in time). The page shows no
// JavaScript dialogs, file pickers or permission prompts, and keeps to the
// address it came from (scheme, host and port). A page leaves for the
// person's browser only when it is the link the person has just clicked or
// pressed Enter on, one page for each click: a script's moves, repeated opens
// and pop-ups of its own stay refused.
class WebBannerView : public QWebEngineView {
    Q_OBJECT
public:
    WebBannerView(const QUrl& page, BannerBrowserModule::Hooks hooks, int timeoutMs, QWidget* parent);

    // The page asks to go to an address outside its server, or to open it in
    // a new window.
    void leaveFor(const QUrl& url);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The person's last click or Enter, and the link it was on once the page has said.
    struct Action {
        QElapsedTimer since; // invalid once a page has left for it
        std::optional<QUrl> link;
        QList<QUrl> asked; // before the link was known
    };

    void personActed(const QString& findLink);
    void linkFound(quint64 action, const QString& link);
    void loadingChanged(const QWebEngineLoadingInfo& loading);
    void fail();

    BannerBrowserModule::Hooks m_hooks;
    QTimer m_timeout;
    Action m_action;
    quint64 m_actions = 0;
    bool m_failed = false;
};

} // namespace plenwick
