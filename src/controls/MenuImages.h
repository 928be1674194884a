#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QSize>
#include <vector>

class QPainter;

namespace velnar::controls {

// Item images are icons with transparent parts, icon-sized (16 x 15).

// The icon laid on the button face, as an opaque bitmap.
QImage ImageToBitmap(const QImage& icon, const QColor& face);

// Every visible pixel blended 0.3 toward white: the resting image of the
// flat look with raised images.
QImage MakeFadedImage(const QImage& icon);

// Every visible pixel in the shadow colour: drawn under a lifted image.
QImage MakeShadowImage(const QImage& icon, const QColor& shadow);

// The disabled image of a menu item: the icon box filled with the background
// and the icon's ink embossed over it. The plain rendering takes the pixels
// nearer black as ink; the other one every pixel that is neither the face nor
// the highlight colour.
struct EmbossColors {
    QColor face;
    QColor highlight;
    QColor shadow;
};
void PaintDisabledMenuImage(QPainter& painter, QPoint at, const QImage& icon, const QColor& background,
                            bool plain, const EmbossColors& colors);

// A toolbar strip: one icon-wide image per command, in the order of the
// commands; 0 stands for a separator, which takes no image.
struct ToolbarImages {
    QImage strip;
    std::vector<int> commands;
    QRgb transparent = qRgb(192, 192, 192);
};

// The command's image cut from the strip, transparent colour applied; null
// when the command is not on the toolbar or the strip is too short.
QImage ToolbarIcon(const ToolbarImages& toolbar, int commandId, QSize iconSize);

}  // namespace velnar::controls
