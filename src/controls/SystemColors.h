#pragma once

#include <QColor>

namespace velnar::controls {

// The Windows system colours the controls paint with. They are read from the
// application palette whenever asked, so a palette change reaches the menus;
// the button keeps the colours it took when it was built.
enum class SysColor {
    BtnFace,        // COLOR_BTNFACE, COLOR_3DFACE
    BtnText,        // COLOR_BTNTEXT
    BtnShadow,      // COLOR_BTNSHADOW, COLOR_3DSHADOW
    BtnHighlight,   // COLOR_BTNHIGHLIGHT, COLOR_3DHILIGHT
    Light3d,        // COLOR_3DLIGHT
    DkShadow3d,     // COLOR_3DDKSHADOW
    Highlight,      // COLOR_HIGHLIGHT
    HighlightText,  // COLOR_HIGHLIGHTTEXT
    Menu,           // COLOR_MENU
    MenuText,       // COLOR_MENUTEXT
    GrayText,       // COLOR_GRAYTEXT
    Window,         // COLOR_WINDOW
};

QColor SystemColor(SysColor which);

}  // namespace velnar::controls
