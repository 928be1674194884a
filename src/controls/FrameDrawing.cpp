#include "controls/FrameDrawing.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace velnar::controls {

void FrameRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    if (rect.isEmpty())
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), colour);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height()), colour);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), colour);
}

void Draw3dRect(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight)
{
    const int x = rect.x();
    const int y = rect.y();
    const int cx = rect.width();
    const int cy = rect.height();
    painter.fillRect(QRect(x, y, cx - 1, 1), topLeft);
    painter.fillRect(QRect(x, y, 1, cy - 1), topLeft);
    painter.fillRect(QRect(x + cx - 1, y, 1, cy), bottomRight);
    painter.fillRect(QRect(x, y + cy - 1, cx, 1), bottomRight);
}

void DrawEtchedLine(QPainter& painter, int left, int right, int y, const QColor& shadow, const QColor& highlight)
{
    painter.fillRect(QRect(left, y, right - left, 1), shadow);
    painter.fillRect(QRect(left, y + 1, right - left, 1), highlight);
}

void DrawPolyline(QPainter& painter, std::initializer_list<QPoint> points, const QColor& colour)
{
    const QPoint* from = points.begin();
    for (const QPoint* to = from + 1; to < points.end(); from = to, ++to) {
        if (from->y() == to->y()) {
            const int left = to->x() > from->x() ? from->x() : to->x() + 1;
            painter.fillRect(QRect(left, from->y(), std::abs(to->x() - from->x()), 1), colour);
        } else {
            const int top = to->y() > from->y() ? from->y() : to->y() + 1;
            painter.fillRect(QRect(from->x(), top, 1, std::abs(to->y() - from->y())), colour);
        }
    }
}

void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    if (rect.width() < 1 || rect.height() < 1)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(colour, 0, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

}  // namespace velnar::controls
