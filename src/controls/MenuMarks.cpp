#include "controls/MenuMarks.h"

#include <QPainter>

namespace velnar::controls {

void DrawTick(QPainter& painter, QPoint origin, const QColor& colour)
{
    constexpr int kStrokeTops[] = {2, 3, 4, 3, 2, 1, 0};
    for (int x = 0; x < 7; ++x)
        painter.fillRect(QRect(origin.x() + x, origin.y() + kStrokeTops[x], 1, 3), colour);
}

void DrawRadioDot(QPainter& painter, QPoint origin, const QColor& colour)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRect(origin, QSize(6, 6)));
    painter.restore();
}

}  // namespace velnar::controls
