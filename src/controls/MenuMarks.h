#pragma once

#include <QColor>
#include <QPoint>

class QPainter;

namespace velnar::controls {

// The check mark of a checked menu item: seven vertical strokes of three
// pixels, starting 2, 3, 4, 3, 2, 1, 0 rows below the origin.
void DrawTick(QPainter& painter, QPoint origin, const QColor& colour);

// The mark of a checked radio item: a filled 6 x 6 dot.
void DrawRadioDot(QPainter& painter, QPoint origin, const QColor& colour);

}  // namespace velnar::controls
