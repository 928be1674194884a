#include <QPainter>
#include <algorithm>

#include "controls/ColorMath.h"
#include "controls/FrameDrawing.h"
#include "controls/MenuImages.h"
#include "controls/MenuItemPainter.h"
#include "controls/MenuMarks.h"

namespace velnar::controls {

void PaintClassicItem(QPainter& painter, const MenuItemDraw& item, const MenuLookContext& look)
{
    const MenuColors& colors = look.colors;
    const QColor background = look.xpThemed ? colors.btnFace : colors.menu;
    const QRect& rect = item.rect;
    const int iconWidth = look.icon.width();
    const int iconHeight = look.icon.height();
    const bool selected = item.selected && (!item.grayed || look.settings.ClassicSelectDisabled);

    if (item.separator) {
        painter.fillRect(rect, background);
        DrawEtchedLine(painter, rect.left(), rect.left() + rect.width(), rect.top() + rect.height() / 2,
                       colors.btnShadow, colors.btnHighlight);
        return;
    }

    const bool hasImage = !item.image.isNull();
    QColor textColour = colors.menuText;
    if (!selected) {
        painter.fillRect(rect, background);
    } else {
        // The bar leaves the image column in the menu background.
        const int barLeft = hasImage || item.checked ? rect.left() + iconWidth + 5 : rect.left();
        painter.fillRect(QRect(rect.left(), rect.top(), barLeft - rect.left(), rect.height()), background);
        painter.fillRect(QRect(QPoint(barLeft, rect.top()), rect.bottomRight()), colors.highlight);
        textColour = colors.highlightText;
    }

    const int dy = std::max(0, (rect.height() - iconHeight - 4) / 2);
    const QPoint imageAt(rect.left() + 2, rect.top() + dy + 2);
    const QRect imageBox(rect.left(), rect.top() + dy, iconWidth + 4, iconHeight + 4);
    if (hasImage) {
        if (item.grayed) {
            PaintDisabledMenuImage(painter, imageAt, item.image, background, look.plainDisabled,
                                   {colors.btnFace, colors.btnHighlight, colors.btnShadow});
        } else if (selected) {
            painter.drawImage(imageAt, item.image);
            if (look.modernShell) {
                if (item.checked)
                    Draw3dRect(painter, imageBox, colors.btnShadow, colors.btnHighlight);
                else
                    Draw3dRect(painter, imageBox, colors.btnHighlight, colors.btnShadow);
            }
        } else {
            if (item.checked) {
                painter.fillRect(imageBox, QColor(BlendToWhite(background.rgb(), 0.6)));
                if (look.modernShell)
                    Draw3dRect(painter, imageBox, colors.btnShadow, colors.btnHighlight);
            } else {
                painter.fillRect(imageBox, background);
            }
            painter.drawImage(imageAt, item.image);
        }
    } else if (item.checked) {
        const QRect markBox(rect.left() + 1, rect.top() + dy + 2, iconWidth, iconHeight);
        painter.fillRect(markBox, selected ? background : QColor(BlendToWhite(background.rgb(), 0.6)));
        if (look.modernShell)
            Draw3dRect(painter, markBox, colors.btnShadow, colors.btnHighlight);
        if (item.radio)
            DrawRadioDot(painter, markBox.topLeft() + QPoint(5, 4), colors.menuText);
        else
            DrawTick(painter, markBox.topLeft() + QPoint(4, 4), colors.menuText);
    }

    const QRect textRect(QPoint(rect.left() + iconWidth + 9, rect.top() - 1), QPoint(rect.right(), rect.bottom() - 1));
    if (!item.grayed) {
        PaintItemText(painter, textRect, iconWidth, item.text, textColour);
    } else if (selected) {
        PaintItemText(painter, textRect, iconWidth, item.text, background);
    } else {
        PaintItemText(painter, textRect.translated(1, 1), iconWidth, item.text, colors.btnHighlight);
        PaintItemText(painter, textRect, iconWidth, item.text, colors.grayText);
    }
}

}  // namespace velnar::controls
