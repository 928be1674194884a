#pragma once

#include <QSize>

namespace velnar::controls {

struct MenuMetrics {
    int iconWidth = 16;
    int iconHeight = 15;
    int menuBarHeight = 20;  // SM_CYMENU
    bool xpLook = false;
    bool raisedImages = true;
};

// Room around an image: 7 in the XP look with raised images, else 4.
int ImagePad(const MenuMetrics& metrics);

// A separator is 0 wide and half as high as an item would be at least.
QSize MeasureSeparator(const MenuMetrics& metrics);

// An item with a text of the given width: the text, the image column and its
// margins; at least as high as the menu bar.
QSize MeasureItem(const MenuMetrics& metrics, int textWidth);

}  // namespace velnar::controls
