#pragma once

#include <QColor>
#include <QPoint>
#include <QRect>
#include <initializer_list>

class QPainter;

namespace velnar::controls {

// The 1-pixel lines that frames, edges and separators are made of, pixel for
// pixel as the Windows drawing interface lays them.

// A 1-pixel border just inside the rectangle.
void FrameRect(QPainter& painter, const QRect& rect, const QColor& colour);

// Top and left edges in one colour, right and bottom in the other; the
// bottom-right colour owns the top-right and bottom-left corners.
void Draw3dRect(QPainter& painter, const QRect& rect, const QColor& topLeft, const QColor& bottomRight);

// An etched line: shadow on row y, highlight on row y + 1, from left to right
// (right exclusive).
void DrawEtchedLine(QPainter& painter, int left, int right, int y, const QColor& shadow, const QColor& highlight);

// Joined horizontal and vertical segments through the points; like a pen
// polyline, the last point itself is not drawn.
void DrawPolyline(QPainter& painter, std::initializer_list<QPoint> points, const QColor& colour);

// The dotted rectangle of the keyboard focus.
void DrawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour);

}  // namespace velnar::controls
