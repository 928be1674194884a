#pragma once

#include <QRect>
#include <QSize>

namespace velnar::controls {

// Where a button's image goes: left of, above or right of the caption.
enum ImageAlign : unsigned char { AlignLeft = 0, AlignTop = 1, AlignRight = 2 };

struct ImagePlacement {
    QRect image;    // its top-left corner is where the image is drawn
    QRect caption;  // the caption's rectangle, moved aside for the image
};

// Places a w x h image on the button's item rectangle (its client area) and
// makes room for the caption. A pressed push button (not in check mode)
// moves the image one pixel right and down.
ImagePlacement PlaceImage(ImageAlign align, bool hasCaption, const QRect& item, const QRect& caption, QSize image,
                          bool pressedPushButton);

// The caption's rectangle after measuring: the measured size, centred in the
// rectangle it was measured in (halves rounded toward zero).
QRect CenterCaption(const QRect& caption, QSize measured);

}  // namespace velnar::controls
