#pragma once

#include "cards/card_book.h"
#ifndef Q_MOC_RUN
#include "offers/browser.h"
#endif
#ifndef Q_MOC_RUN
#include "widgets/message_boxes.h"
#endif
#include "widgets/screen_panel.h"

#include <QDateTime>

#include <functional>
#include <memory>

namespace plenwick {

class ResultBlinker;

// Where to save a file, as the person chooses it; empty when they cancel.
using SavePathAsker = std::function<QString(QWidget* parent, const QString& caption, const QString& suggested,
                                            const QString& filters, QString* chosenFilter)>;

// What the screens take from the world around the window.
struct ScreenContext {
    std::shared_ptr<MessageBoxes> messages;
    std::shared_ptr<UrlOpener> opener;
    std::function<QDateTime()> now;
    SavePathAsker askSavePath;
    ResultBlinker* blinker = nullptr; // every answer label blinks in step
    bool noServer = false;            // no offers will ever come
};

// What the offer screens say when no server is set.
inline const QString kNoServerText =
    QStringLiteral("No offer server is set, so there are no advertised cards. To use one, start Plenwick with "
                   "--server and the server's address, such as: plenwick --server https://offers.example.com");

// One screen of the main window. It is handed the card book as My Cards
// shows it each time it is shown, and asks for its neighbours.
class CardScreen : public ScreenPanel {
    Q_OBJECT
public:
    using ScreenPanel::ScreenPanel;

    // The screen comes into view with these cards.
    virtual void enter(const CardBook& book) = 0;

signals:
    void previousRequested();
    void nextRequested();
};

} // namespace plenwick
