#include "controls/MenuItemPainter.h"

#include <QPainter>

#include "controls/MenuItemText.h"
#include "controls/SystemColors.h"

namespace velnar::controls {

MenuColors MenuColors::FromSystem()
{
    return {SystemColor(SysColor::BtnFace),  SystemColor(SysColor::Menu),          SystemColor(SysColor::Window),
            SystemColor(SysColor::Highlight), SystemColor(SysColor::HighlightText), SystemColor(SysColor::MenuText),
            SystemColor(SysColor::GrayText), SystemColor(SysColor::BtnHighlight),  SystemColor(SysColor::BtnShadow)};
}

void PaintItemText(QPainter& painter, const QRect& textRect, int iconWidth, const QString& text,
                   const QColor& colour)
{
    const ItemTextParts parts = SplitItemText(text);
    constexpr int kLine = Qt::TextSingleLine | Qt::TextShowMnemonic | Qt::AlignVCenter;
    painter.save();
    painter.setPen(colour);
    painter.drawText(textRect, kLine | Qt::AlignLeft, parts.label);
    if (!parts.accelerator.isEmpty())
        painter.drawText(textRect.adjusted(0, 0, -iconWidth, 0), kLine | Qt::AlignRight, parts.accelerator);
    painter.restore();
}

}  // namespace velnar::controls
