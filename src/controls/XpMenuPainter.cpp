#include <QPainter>
#include <algorithm>

#include "controls/ColorMath.h"
#include "controls/FrameDrawing.h"
#include "controls/MenuImages.h"
#include "controls/MenuItemPainter.h"
#include "controls/MenuMarks.h"
#include "controls/OffscreenDC.h"

namespace velnar::controls {

void PaintXpItem(QPainter& target, const MenuItemDraw& item, const MenuLookContext& look)
{
    const MenuColors& colors = look.colors;
    const QColor background = look.xpThemed ? colors.btnFace : QColor(BlendToWhite(colors.btnFace.rgb(), 0.25));
    const QColor& highlight = colors.highlight;
    const QColor selection(BlendToWhite(highlight.rgb(), look.xpThemed ? 0.7 : 0.85));
    const QColor paleHighlight(BlendToWhite(highlight.rgb(), 0.85));
    const QRect& rect = item.rect;
    const int iconWidth = look.icon.width();
    const int iconHeight = look.icon.height();
    const int pad = look.settings.XpRaisedImages ? 7 : 4;
    const int barWidth = iconWidth + pad;
    const QRect bar(rect.left(), rect.top(), barWidth, rect.height());
    const bool selected = item.selected && (!item.grayed || look.settings.XpSelectDisabled);

    OffscreenDC offscreen(target, rect);
    QPainter& painter = offscreen.Painter();
    painter.setFont(look.font);

    if (item.separator) {
        painter.fillRect(rect, colors.window);
        painter.fillRect(bar, background);
        DrawEtchedLine(painter, rect.left() + barWidth + pad, rect.left() + rect.width(),
                       rect.top() + rect.height() / 2, colors.btnShadow, colors.btnHighlight);
        return;
    }

    if (!selected) {
        painter.fillRect(rect, colors.window);
        painter.fillRect(bar, background);
    } else {
        painter.fillRect(rect, selection);
        FrameRect(painter, rect, highlight);
    }

    const QPoint imageAt(rect.left() + std::max(0, (barWidth - iconWidth + 1) / 2),
                         rect.top() + std::max(0, (rect.height() - iconHeight + 1) / 2));
    const QRect imageBox(QPoint(rect.left() + 1, rect.top() + 1), QPoint(rect.left() + barWidth - 2, rect.bottom() - 1));
    const bool raised = !item.faded.isNull() && !item.shadow.isNull();
    const QPoint lifted(-1, -1);
    if (!item.image.isNull()) {
        if (item.grayed) {
            PaintDisabledMenuImage(painter, imageAt, item.image, selected ? selection : background, look.plainDisabled,
                                   {colors.btnFace, colors.btnHighlight, colors.btnShadow});
            if (selected)
                FrameRect(painter, rect, highlight);
        } else if (selected) {
            painter.fillRect(imageBox, selection);
            if (item.checked) {
                FrameRect(painter, imageBox, highlight);
                painter.drawImage(imageAt + lifted, item.image);
            } else if (raised) {
                painter.drawImage(imageAt - lifted, item.shadow);
                painter.drawImage(imageAt + lifted, item.image);
            } else {
                painter.drawImage(imageAt, item.image);
            }
        } else if (item.checked) {
            painter.fillRect(imageBox, paleHighlight);
            FrameRect(painter, imageBox, highlight);
            painter.drawImage(imageAt + lifted, item.image);
        } else {
            painter.fillRect(imageBox, background);
            painter.drawImage(imageAt, raised ? item.faded : item.image);
        }
    } else if (item.checked) {
        const QRect markBox(rect.left() + std::max(0, (barWidth - 16 + 1) / 2),
                            rect.top() + std::max(0, (rect.height() - 16 + 1) / 2), 16, 16);
        painter.fillRect(markBox, paleHighlight);
        FrameRect(painter, markBox, highlight);
        const QPoint markAt = markBox.topLeft() + QPoint(5, 4);
        if (item.radio)
            DrawRadioDot(painter, markAt, colors.menuText);
        else
            DrawTick(painter, markAt, colors.menuText);
    }

    QColor textColour = colors.menuText;
    if (item.grayed)
        textColour = look.xpThemed || selected ? colors.grayText : QColor(BlendToWhite(colors.grayText.rgb(), 0.4));
    const QRect textRect(QPoint(rect.left() + barWidth + 8, rect.top() - 1), QPoint(rect.right(), rect.bottom() - 1));
    PaintItemText(painter, textRect, iconWidth, item.text, textColour);
}

}  // namespace velnar::controls
