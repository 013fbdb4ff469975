#include "widgets/screen_panel.h"

#include <QPainter>

namespace plenwick {

ScreenPanel::ScreenPanel(QWidget* parent)
    : QWidget(parent)
{
}

void ScreenPanel::FillPic(const QPixmap& tile)
{
    m_tile = tile;
    update();
}

void ScreenPanel::paintEvent(QPaintEvent*)
{
    if (m_tile.isNull())
        return;
    QPainter painter(this);
    const int step = m_tile.width();
    for (int x = 0; x <= width(); x += step)
        painter.drawPixmap(x, 0, m_tile);
}

} // namespace plenwick
