#include "controls/ColorMath.h"

#include <algorithm>

namespace velnar::controls {

QRgb BlendToWhite(QRgb colour, double factor)
{
    if (!(factor > 0.0 && factor <= 1.0))
        return colour;
    const auto blend = [factor](int channel) { return channel + static_cast<int>(factor * (255 - channel)); };
    return qRgb(blend(qRed(colour)), blend(qGreen(colour)), blend(qBlue(colour)));
}

QRgb ShiftWithoutClipping(QRgb colour, int offset)
{
    const int channels[] = {qRed(colour), qGreen(colour), qBlue(colour)};
    int shift = offset;
    for (int channel : channels) {
        if (offset > 0)
            shift = std::min(shift, channel + offset > 255 ? 255 - channel : offset);
        else
            shift = std::max(shift, channel + offset < 0 ? -channel : offset);
    }
    return qRgb(channels[0] + shift, channels[1] + shift, channels[2] + shift);
}

}  // namespace velnar::controls
