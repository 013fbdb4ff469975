#pragma once

#include <QPixmap>
#include <QWidget>

namespace plenwick {

// One screen of the main window. Once given its tile it paints a row of tiles
// along its top edge on every repaint, so the shaded background survives
// switches, minimising and restoring.
class ScreenPanel : public QWidget {
    Q_OBJECT
public:
    explicit ScreenPanel(QWidget* parent = nullptr);

    void FillPic(const QPixmap& tile);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_tile;
};

} // namespace plenwick
