#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Dialog templates as data: every window of the editor is laid out here in
// dialog units and built from it, its controls found by identifier.
namespace velnar::res {

constexpr int kNoId = -1;  // a static the program never addresses (IDC_STATIC)
constexpr int kIdOk = 1;   // IDOK

enum class ControlKind { PushButton, CheckBox, Edit, ComboBox, Static, Icon };

// One control. Position and size are in dialog units; a combo box's height
// includes its drop-down list, as templates give it.
struct DialogControl {
    int id = kNoId;
    ControlKind kind = ControlKind::Static;
    std::uint32_t style = 0;  // see DialogStyles.h
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string text;  // ASCII; captions with Turkish letters are set at run time
    int imageId = 0;   // the icon resource an icon control shows
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    std::string fontName;
    int fontPoints = 0;
    int width = 0;  // client area, dialog units
    int height = 0;
    std::vector<DialogControl> controls;
};

// The template with this id, or null when there is none.
const DialogTemplate* FindDialogTemplate(int id);

}  // namespace velnar::res
