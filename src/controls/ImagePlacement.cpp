#include "controls/ImagePlacement.h"

namespace velnar::controls {

ImagePlacement PlaceImage(ImageAlign align, bool hasCaption, const QRect& item, const QRect& caption, QSize image,
                          bool pressedPushButton)
{
    const int w = image.width();
    const int h = image.height();
    ImagePlacement placed{item, caption};
    QRect& at = placed.image;
    QRect& text = placed.caption;
    switch (align) {
    case AlignLeft:
        if (hasCaption) {
            at.setLeft(at.left() + 3);
            text.setLeft(text.left() + w + 3);
        } else {
            at.setLeft(at.left() + (item.width() - w) / 2);
        }
        at.setTop(at.top() + (item.height() - h) / 2);
        break;
    case AlignTop:
        at.setLeft(at.left() + (item.width() - w) / 2);
        if (hasCaption) {
            at.setTop(3);
            text.setTop(text.top() + h);
        } else {
            at.setTop(at.top() + (item.height() - h) / 2);
        }
        break;
    case AlignRight:
        if (hasCaption) {
            // The caption keeps the width left of the image; the image sits 3
            // pixels in from the right edge.
            text.setRight(caption.width() - w - 3 - 1);
            text.setLeft(3);
            at.setLeft(item.x() + item.width() - w - 3);
            at.setTop(at.top() + (item.height() - h) / 2);
        } else {
            at.setLeft(at.left() + (item.width() - w) / 2);
        }
        break;
    }
    if (pressedPushButton)
        at.translate(1, 1);
    return placed;
}

QRect CenterCaption(const QRect& caption, QSize measured)
{
    const QPoint offset((caption.width() - measured.width()) / 2, (caption.height() - measured.height()) / 2);
    return {caption.topLeft() + offset, measured};
}

}  // namespace velnar::controls
