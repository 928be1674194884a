#pragma once

#include <QAction>
#include <QPointer>
#include <QString>

namespace velnar::controls {

class PlenMenu;

// What a menu keeps about each of its items, in position order.
struct PlenMenuItem {
    QString m_text;                  // label, then optionally a tab and the accelerator
    int m_sharedIndex = -1;          // index in the shared image list, -1 none
    unsigned m_flags = 0;            // the menu flags the item was inserted with
    int m_commandId = 0;             // 0 for separators and pop-ups
    QPointer<QAction> m_action;      // the item in the menu window; gone if deleted behind our back
    PlenMenu* m_subMenu = nullptr;   // the sub-menu of a pop-up item, owned by the menu
};

}  // namespace velnar::controls
