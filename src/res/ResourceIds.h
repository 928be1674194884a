#pragma once

// Identifiers of the resources built into the program. Windows find them by
// these numbers, as the dialog templates and the command routing name them.
namespace velnar::res {

// Dialog templates
constexpr int kAboutDialog = 100;         // "HELP VELNAR MESSAGES"
constexpr int kMainDialog = 102;          // the main window
constexpr int kFirstPageDialog = 107;     // "SAYFA1": slots 1 to 8
constexpr int kSecondPageDialog = 108;    // "SAYFA2": slots 9 to 16
constexpr int kSendCompleteDialog = 137;  // "Send Complete!"
constexpr int kHelpDialog = 143;          // the help text

// Icons
constexpr int kMainIcon = 128;  // the sign on its stand

// Bitmaps
constexpr int kSendButtonBitmap = 129;  // face of the per-slot send buttons, 66 x 16
constexpr int kBannerBitmap = 130;      // the main window's banner, 349 x 48
constexpr int kPageBitmap = 135;        // a small board of lamps, 47 x 17

// Strings
constexpr int kAboutString = 101;  // the about item of the system menu

// Menus
constexpr int kMainMenu = 142;  // "MENUE": OPEN, SAVE, SEND ALL

// Commands of the main menu
constexpr int kCommandOpen = 32775;
constexpr int kCommandSave = 32776;
constexpr int kCommandSendAll = 32777;

}  // namespace velnar::res
