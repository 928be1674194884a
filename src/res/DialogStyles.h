#pragma once

#include <cstdint>

// Style bits of dialog templates and their controls, as templates store them
// (the WS_, DS_, ES_, CBS_, BS_ and SS_ values of the Windows interface).
// Control kinds reuse the low bits, so each group is read with its kind.
namespace velnar::res {

// Windows of every kind
constexpr std::uint32_t StylePopup = 0x80000000;        // WS_POPUP
constexpr std::uint32_t StyleChild = 0x40000000;        // WS_CHILD
constexpr std::uint32_t StyleVisible = 0x10000000;      // WS_VISIBLE
constexpr std::uint32_t StyleDisabled = 0x08000000;     // WS_DISABLED
constexpr std::uint32_t StyleCaption = 0x00C00000;      // WS_CAPTION
constexpr std::uint32_t StyleBorder = 0x00800000;       // WS_BORDER
constexpr std::uint32_t StyleVScroll = 0x00200000;      // WS_VSCROLL
constexpr std::uint32_t StyleHScroll = 0x00100000;      // WS_HSCROLL
constexpr std::uint32_t StyleSysMenu = 0x00080000;      // WS_SYSMENU
constexpr std::uint32_t StyleThickFrame = 0x00040000;   // WS_THICKFRAME: sizable by the border
constexpr std::uint32_t StyleMinimizeBox = 0x00020000;  // WS_MINIMIZEBOX
constexpr std::uint32_t StyleMaximizeBox = 0x00010000;  // WS_MAXIMIZEBOX
constexpr std::uint32_t StyleGroup = 0x00020000;        // WS_GROUP (controls)
constexpr std::uint32_t StyleTabStop = 0x00010000;      // WS_TABSTOP (controls)

// Dialogs
constexpr std::uint32_t DialogSetFont = 0x0040;     // DS_SETFONT
constexpr std::uint32_t DialogModalFrame = 0x0080;  // DS_MODALFRAME
constexpr std::uint32_t ExStyleAppWindow = 0x00040000;     // WS_EX_APPWINDOW: shown in the task bar
constexpr std::uint32_t ExStyleControlParent = 0x00010000; // WS_EX_CONTROLPARENT

// Edit boxes
constexpr std::uint32_t EditMultiLine = 0x0004;    // ES_MULTILINE
constexpr std::uint32_t EditAutoVScroll = 0x0040;  // ES_AUTOVSCROLL
constexpr std::uint32_t EditAutoHScroll = 0x0080;  // ES_AUTOHSCROLL: one line scrolls instead of wrapping
constexpr std::uint32_t EditReadOnly = 0x0800;     // ES_READONLY
constexpr std::uint32_t EditWantReturn = 0x1000;   // ES_WANTRETURN

// Combo boxes
constexpr std::uint32_t ComboDropDown = 0x0002;      // CBS_DROPDOWN: list with an editable field
constexpr std::uint32_t ComboDropDownList = 0x0003;  // CBS_DROPDOWNLIST: list only
constexpr std::uint32_t ComboSort = 0x0100;          // CBS_SORT

// Buttons
constexpr std::uint32_t ButtonPush = 0x0000;           // BS_PUSHBUTTON
constexpr std::uint32_t ButtonDefPush = 0x0001;        // BS_DEFPUSHBUTTON
constexpr std::uint32_t ButtonAutoCheckBox = 0x0003;   // BS_AUTOCHECKBOX
constexpr std::uint32_t ButtonTypeMask = 0x000F;

// Statics
constexpr std::uint32_t StaticLeft = 0x0000;    // SS_LEFT: left-aligned, wraps at words
constexpr std::uint32_t StaticCenter = 0x0001;  // SS_CENTER
constexpr std::uint32_t StaticRight = 0x0002;   // SS_RIGHT
constexpr std::uint32_t StaticIcon = 0x0003;    // SS_ICON
constexpr std::uint32_t StaticTypeMask = 0x001F;

}  // namespace velnar::res
