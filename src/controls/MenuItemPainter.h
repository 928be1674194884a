#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include "controls/MenuSettings.h"

class QPainter;

namespace velnar::controls {

struct MenuColors {
    QColor btnFace;
    QColor menu;
    QColor window;
    QColor highlight;
    QColor highlightText;
    QColor menuText;
    QColor grayText;
    QColor btnHighlight;
    QColor btnShadow;

    static MenuColors FromSystem();
};

// One item as it is to be drawn now.
struct MenuItemDraw {
    QRect rect;
    QString text;  // label, then optionally a tab and the accelerator
    bool separator = false;
    bool selected = false;
    bool grayed = false;
    bool checked = false;
    bool radio = false;  // a checked item shows a dot instead of a tick
    QImage image;        // null: no image
    QImage faded;        // with the shadow image: the raised images of the XP look
    QImage shadow;
};

// What the look depends on besides the item.
struct MenuLookContext {
    QSize icon{16, 15};
    bool xpThemed = false;
    bool modernShell = false;
    bool plainDisabled = false;
    MenuSettings settings;
    MenuColors colors;
    QFont font;
};

// Grey background, highlight bar beside the image column, 3-D image frames.
void PaintClassicItem(QPainter& painter, const MenuItemDraw& item, const MenuLookContext& look);

// Light image bar on the left, pale highlight with a thin border.
void PaintXpItem(QPainter& painter, const MenuItemDraw& item, const MenuLookContext& look);

// The label left in the text rectangle, the accelerator right-aligned in it
// with its right edge pulled in by the icon width; both centred vertically.
void PaintItemText(QPainter& painter, const QRect& textRect, int iconWidth, const QString& text,
                   const QColor& colour);

}  // namespace velnar::controls
