#pragma once

class QMenu;

namespace velnar::controls {

// The process-wide list of the pop-up sub-menus appended by any PlenMenu:
// only these are drawn and measured as owner-drawn menus.
void RegisterMenu(const QMenu* menu);
void UnregisterMenu(const QMenu* menu);
bool IsMenuRegistered(const QMenu* menu);
int RegisteredMenuCount();

}  // namespace velnar::controls
