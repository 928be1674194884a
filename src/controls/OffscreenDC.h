#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

namespace velnar::controls {

// Paints one rectangle off screen and copies it to the target in one piece
// when it goes out of scope, so an item never shows half drawn. Drawing uses
// the target's coordinates.
class OffscreenDC {
public:
    OffscreenDC(QPainter& target, const QRect& rect);
    ~OffscreenDC();
    OffscreenDC(const OffscreenDC&) = delete;
    OffscreenDC& operator=(const OffscreenDC&) = delete;

    QPainter& Painter() { return m_painter; }

private:
    QPainter& m_target;
    QRect m_rect;
    QImage m_image;
    QPainter m_painter;
};

}  // namespace velnar::controls
