#include "controls/SystemColors.h"

#include <QGuiApplication>
#include <QPalette>

namespace velnar::controls {

// Qt's palette roles carry the Windows 3-D scheme: Light is the highlight
// edge, Midlight the light edge, Dark the shadow and Shadow the dark shadow.
QColor SystemColor(SysColor which)
{
    const QPalette palette = QGuiApplication::palette();
    switch (which) {
    case SysColor::BtnFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case SysColor::BtnText:
        return palette.color(QPalette::Active, QPalette::ButtonText);
    case SysColor::BtnShadow:
        return palette.color(QPalette::Active, QPalette::Dark);
    case SysColor::BtnHighlight:
        return palette.color(QPalette::Active, QPalette::Light);
    case SysColor::Light3d:
        return palette.color(QPalette::Active, QPalette::Midlight);
    case SysColor::DkShadow3d:
        return palette.color(QPalette::Active, QPalette::Shadow);
    case SysColor::Highlight:
        return palette.color(QPalette::Active, QPalette::Highlight);
    case SysColor::HighlightText:
        return palette.color(QPalette::Active, QPalette::HighlightedText);
    case SysColor::Menu:
        return palette.color(QPalette::Active, QPalette::Window);
    case SysColor::MenuText:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case SysColor::GrayText:
        return palette.color(QPalette::Disabled, QPalette::Text);
    case SysColor::Window:
        return palette.color(QPalette::Active, QPalette::Base);
    }
    return {};
}

}  // namespace velnar::controls
