#pragma once

#include <QUrl>
#include <QWidget>

class QTextBrowser;

namespace plenwick {

// "Plenwick Help": the program's own pages, bundled with it and read in a
// plain text browser, so that reading help needs no browser engine and no
// network. A page per screen, and one on files and the network.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent);

    // Shows the page of this name ("my_costs.html") and brings the window up.
    void showPage(const QString& page);

    static QUrl pageAddress(const QString& page);
    // The page about the screen of this index, My Cards being 0.
    static QString pageOfScreen(int screen);

private:
    QTextBrowser* m_browser;
};

// The About text: the version, the licence and the web server in use.
QString aboutText(const QUrl& server);

} // namespace plenwick
