#include "controls/Transparency.h"

namespace velnar::controls {

QImage ApplyTransparentColour(const QImage& image, QRgb transparent)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = transparent & RGB_MASK;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & RGB_MASK) == key)
                line[x] = 0;
        }
    }
    return result;
}

}  // namespace velnar::controls
