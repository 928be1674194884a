#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

class QPainter;

namespace velnar::controls {

// Disabled images are drawn embossed: their "ink" once in the highlight
// colour one pixel right and down, then in the shadow colour in place. The
// ink is kept as an image whose ink pixels are opaque and all others clear.

// Ink of an opaque image reduced to black and white: the pixels nearer black.
QImage DarkPixelInk(const QImage& opaque);

// Ink of an opaque image: every pixel that is neither of the two colours.
QImage InkExcept(const QImage& opaque, QRgb first, QRgb second);

void PaintEmbossed(QPainter& painter, QPoint at, const QImage& ink, const QColor& highlight, const QColor& shadow);

// An image with transparent parts as a disabled control shows it: laid on
// white, its dark pixels embossed, nothing else drawn.
void PaintDisabledImage(QPainter& painter, QPoint at, const QImage& image, const QColor& highlight,
                        const QColor& shadow);

}  // namespace velnar::controls
