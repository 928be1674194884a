#pragma once

// Identifiers of the resources built into the program. Windows find them by
// these numbers, as the dialog templates and the command routing name them.
namespace velnar::res {

// Bitmaps
constexpr int kSendButtonBitmap = 129;  // face of the per-slot send buttons, 66 x 16

// Menus
constexpr int kMainMenu = 142;  // "MENUE": OPEN, SAVE, SEND ALL

// Commands of the main menu
constexpr int kCommandOpen = 32775;
constexpr int kCommandSave = 32776;
constexpr int kCommandSendAll = 32777;

}  // namespace velnar::res
