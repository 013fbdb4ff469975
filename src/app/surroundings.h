#pragma once

#include "offers/browser.h"
#include "offers/offer_download.h"
#include "screens/card_screen.h"
#include "widgets/message_boxes.h"

#include <QDateTime>
#include <QFileDialog>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

class QWidget;

namespace plenwick {

// The program's web server, chosen when the program is built; empty when it
// was built without one.
QUrl builtInServer();

// Settles what the banner browser needs before the application object exists:
// OpenGL contexts shared from the start, only when a banner page may be shown
// (they load the OpenGL libraries); as root its sandbox refuses to run, so
// only then is it switched off.
void prepareBannerBrowser(bool bannerPage = true);

// The banner in the banner strip: the page in the banner browser module once
// the window has been painted, or our own banner when there is no page, no
// module, or the page cannot be loaded. Links leaving the page's server go to
// the person's browser.
QWidget* createBanner(QWidget* strip, const QUrl& page);

// What the main window needs from the world around it.
struct Surroundings {
    std::shared_ptr<MessageBoxes> messages = std::make_shared<ModalMessageBoxes>();
    QString cardFilePath;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };
    QUrl server = builtInServer(); // empty: no server, and nothing goes on the network
    int offerTimeoutMs = OfferDownload::kDefaultTimeoutMs;
    std::shared_ptr<UrlOpener> opener = std::make_shared<DesktopUrlOpener>();
    std::function<QWidget*(QWidget* strip, const QUrl& page)> makeBanner = createBanner;
    // The window's size and place as the last run left them, and where they
    // are kept for the next.
    std::function<QByteArray()> windowPlace = [] { return QByteArray(); };
    std::function<void(const QByteArray&)> keepWindowPlace = [](const QByteArray&) {};
    SavePathAsker askSavePath = [](QWidget* parent, const QString& caption, const QString& suggested,
                                   const QString& filters, QString* chosenFilter) {
        return QFileDialog::getSaveFileName(parent, caption, suggested, filters, chosenFilter);
    };
    QString startNote{}; // told once the window shows, such as why the settings were not read
};

} // namespace plenwick
