#pragma once

#include <QImage>

namespace velnar::controls {

// The image with every pixel of its transparent colour made fully
// transparent, so that drawing it lets the face show through. Built once when
// an image is assigned, never per paint. Null when the image is null or could
// not be converted.
QImage ApplyTransparentColour(const QImage& image, QRgb transparent);

}  // namespace velnar::controls
