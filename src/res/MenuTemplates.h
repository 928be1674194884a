#pragma once

#include <QByteArray>
#include <QString>
#include <vector>

namespace velnar::res {

// One item of a menu template, in template order. A pop-up item
// (MenuPopup) carries no command id; its sub-menu's items follow it, and
// MenuEnd marks the last item of each level.
struct MenuTemplateEntry {
    unsigned flags = 0;
    unsigned commandId = 0;
    QString text;
};

// The standard binary menu template: a header of two 16-bit words (version 0,
// offset 0 of the items after the header), then per item a 16-bit flags word,
// a 16-bit command id unless the item is a pop-up, and the zero-terminated
// UTF-16 text, all little-endian.
QByteArray EncodeMenuTemplate(const std::vector<MenuTemplateEntry>& entries);

// The menu template resource with this id or name (names compare without
// regard to case), or an empty array when there is none.
QByteArray LoadMenuTemplate(int id);
QByteArray LoadMenuTemplate(const QString& name);

}  // namespace velnar::res
