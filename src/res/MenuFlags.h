#pragma once

// The flags word of a menu item, as menu templates store it and as items are
// appended to a menu (the MF_ values of the Windows menu interface).
namespace velnar::res {

constexpr unsigned MenuString = 0x0000;      // MF_STRING
constexpr unsigned MenuGrayed = 0x0001;      // MF_GRAYED
constexpr unsigned MenuDisabled = 0x0002;    // MF_DISABLED
constexpr unsigned MenuChecked = 0x0008;     // MF_CHECKED
constexpr unsigned MenuPopup = 0x0010;       // MF_POPUP: the item opens a sub-menu
constexpr unsigned MenuEnd = 0x0080;         // MF_END: last item of its level in a template
constexpr unsigned MenuOwnerDraw = 0x0100;   // MF_OWNERDRAW
constexpr unsigned MenuRadioCheck = 0x0200;  // MFT_RADIOCHECK: checked shows a dot, not a tick
constexpr unsigned MenuByPosition = 0x0400;  // MF_BYPOSITION
constexpr unsigned MenuSeparator = 0x0800;   // MF_SEPARATOR

}  // namespace velnar::res
