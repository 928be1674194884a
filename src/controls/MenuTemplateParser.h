#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace velnar::controls {

// One item of a parsed menu template; a pop-up holds its sub-menu's items.
// The end-of-level mark is not kept in the flags.
struct MenuTemplateItem {
    unsigned flags = 0;
    unsigned commandId = 0;  // 0 for pop-ups
    QString text;
    std::vector<MenuTemplateItem> items;
};

// The top-level items of a standard menu template (version 0). The parse ends
// with the last item of the top level; bytes after it are not read. Nothing
// when the template is of another version or ends before its last item.
std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(const QByteArray& bytes);

}  // namespace velnar::controls
