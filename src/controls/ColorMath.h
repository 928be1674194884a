#pragma once

#include <QRgb>

namespace velnar::controls {

// Each channel moves the given part of its way toward 255, truncated. A factor
// outside (0, 1] leaves the colour as it is.
QRgb BlendToWhite(QRgb colour, double factor);

// Moves all three channels by the same amount, at most by the offset, so that
// none is clipped and the hue stays: RGB(236,233,216) + 30 gives
// RGB(255,252,235) because red has room for 19 only.
QRgb ShiftWithoutClipping(QRgb colour, int offset);

}  // namespace velnar::controls
