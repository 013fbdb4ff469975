#pragma once

#include <QLabel>

namespace plenwick {

// A label drawn as a link that reacts to a click, and to Enter or Space when
// it has the keyboard focus.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

} // namespace plenwick
