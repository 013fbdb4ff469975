#pragma once

#include <QWidget>

namespace plenwick {

// The banner strip's own content, drawn with plain widgets: the program's
// name and what it does beside a card, on the banner's blue. It stands where
// the server's banner page would, when there is no server or its page cannot
// be shown, and needs no browser.
class OwnBanner : public QWidget {
    Q_OBJECT
public:
    explicit OwnBanner(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace plenwick
