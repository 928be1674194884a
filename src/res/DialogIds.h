#pragma once

// Control identifiers of the editor's windows other than the message pages
// (those are in PageLayout.h).
namespace velnar::res {

// The main window, template 102.
namespace main_window {
constexpr int kOpenButton = 1124;     // "AÇ.."
constexpr int kSaveButton = 1125;     // "KAYDET.."
constexpr int kSendAllButton = 1126;  // "HEPSİNİ GÖNDER"
constexpr int kHelpButton = 1127;     // "YARDIM"
constexpr int kPortLabel = 1119;      // "PORT SEÇİMİ"
constexpr int kPortList = 1017;       // "COM1" to "COM9"
constexpr int kDateLabel = 1121;      // "TARİH (Gn-Ay-Yıl)"
constexpr int kDateField = 1022;
constexpr int kTimeLabel = 1122;      // "SAAT(Sa-Dk-Sn)"
constexpr int kTimeField = 1023;
constexpr int kDayLabel = 1123;       // "GÜN"
constexpr int kDayField = 1024;
constexpr int kHiddenEdit = 1003;     // hidden and disabled, always empty
}  // namespace main_window

// The help window, template 143.
namespace help_window {
constexpr int kText = 1003;
}  // namespace help_window

}  // namespace velnar::res
