#include <map>

#include "res/DialogIds.h"
#include "res/DialogStyles.h"
#include "res/DialogTemplate.h"
#include "res/PageTemplates.h"
#include "res/ResourceIds.h"

namespace velnar::res {
namespace {

constexpr std::uint32_t kShown = StyleChild | StyleVisible;
constexpr std::uint32_t kButton = kShown | StyleTabStop | ButtonPush;
constexpr std::uint32_t kLabel = kShown | StaticLeft;
constexpr std::uint32_t kField = kShown | StyleBorder | StyleTabStop | EditAutoHScroll;
constexpr std::uint32_t kModalDialog = StylePopup | StyleCaption | StyleSysMenu | DialogModalFrame | DialogSetFont;

DialogTemplate MainDialog()
{
    using namespace main_window;
    return {
        kMainDialog,
        "VELNAR MESSAGES",
        kModalDialog | StyleMinimizeBox | StyleMaximizeBox,
        ExStyleAppWindow,
        "Arial",
        7,
        576,
        375,
        {
            {kOpenButton, ControlKind::PushButton, kButton, 0, 0, 33, 11, "AC.."},
            {kSaveButton, ControlKind::PushButton, kButton, 34, 0, 38, 11, "KAYDET.."},
            {kSendAllButton, ControlKind::PushButton, kButton, 73, 0, 70, 11, "HEPSINI GONDER"},
            {kHelpButton, ControlKind::PushButton, kButton, 143, 0, 38, 11, "YARDIM"},
            {kPortLabel, ControlKind::Static, kLabel, 297, 33, 58, 8, "PORT SECIMI"},
            {kPortList, ControlKind::ComboBox, kShown | StyleVScroll | StyleTabStop | ComboDropDown, 295, 43, 48, 67,
             ""},
            {kDateLabel, ControlKind::Static, kLabel, 369, 33, 68, 8, "TARIH (Gn-Ay-Yil)"},
            {kDateField, ControlKind::Edit, kField, 367, 41, 57, 14, ""},
            {kTimeLabel, ControlKind::Static, kLabel, 446, 33, 58, 8, "SAAT(Sa-Dk-Sn)"},
            {kTimeField, ControlKind::Edit, kField, 446, 41, 49, 14, ""},
            {kDayLabel, ControlKind::Static, kLabel, 506, 33, 28, 8, "WEEK"},
            {kDayField, ControlKind::Edit, kField, 506, 41, 42, 14, ""},
            {kHiddenEdit, ControlKind::Edit, StyleChild | StyleDisabled | StyleBorder | EditAutoHScroll, 304, 0, 56,
             15, ""},
        },
    };
}

DialogTemplate AboutDialog()
{
    return {
        kAboutDialog,
        "HELP VELNAR MESSAGES",
        kModalDialog,
        0,
        "Arial",
        8,
        235,
        55,
        {
            {kNoId, ControlKind::Icon, kShown | StaticIcon, 11, 17, 20, 20, "", kMainIcon},
            {kNoId, ControlKind::Static, kLabel | StyleGroup, 39, 23, 119, 8, "VELNAR MESSAGES 1.0 "},
            {kIdOk, ControlKind::PushButton, kShown | StyleTabStop | StyleGroup | ButtonDefPush, 178, 17, 50, 14,
             "OK"},
        },
    };
}

DialogTemplate SendCompleteDialog()
{
    return {
        kSendCompleteDialog,
        "VELNAR MESSAGES",
        kModalDialog,
        0,
        "Arial",
        8,
        146,
        52,
        {
            {kNoId, ControlKind::Static, kShown | StaticCenter, 20, 12, 106, 8, "Send Complete!"},
            {kIdOk, ControlKind::PushButton, kShown | StyleTabStop | ButtonDefPush, 48, 30, 50, 14, "OK"},
        },
    };
}

DialogTemplate HelpDialog()
{
    return {
        kHelpDialog,
        "HELP",
        kModalDialog,
        0,
        "Arial",
        8,
        291,
        202,
        {
            {help_window::kText, ControlKind::Edit,
             kShown | StyleBorder | StyleVScroll | StyleTabStop | EditMultiLine | EditAutoVScroll, 7,
             7, 277, 188, ""},
        },
    };
}

const std::map<int, DialogTemplate>& Templates()
{
    static const std::map<int, DialogTemplate> templates = [] {
        std::map<int, DialogTemplate> all;
        for (DialogTemplate dialog : {AboutDialog(), MainDialog(), PageTemplate(kFirstPageLayout),
                                      PageTemplate(kSecondPageLayout), SendCompleteDialog(), HelpDialog()})
            all.emplace(dialog.id, std::move(dialog));
        return all;
    }();
    return templates;
}

}  // namespace

const DialogTemplate* FindDialogTemplate(int id)
{
    const auto found = Templates().find(id);
    return found != Templates().end() ? &found->second : nullptr;
}

}  // namespace velnar::res
