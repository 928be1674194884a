#include "controls/MenuWindow.h"

#include <QKeyEvent>
#include <QStyleOptionMenuItem>

#include "controls/PlenMenu.h"
#include "controls/PlenMenuStyle.h"
#include "res/MenuFlags.h"

namespace velnar::controls {

MenuWindow::MenuWindow(PlenMenu* owner) : m_owner(owner)
{
    setStyle(PlenMenuStyle::Instance());
}

void MenuWindow::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const
{
    QMenu::initStyleOption(option, action);
    option->styleObject = const_cast<QAction*>(action);
}

void MenuWindow::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    if (typed.size() == 1 && typed[0].isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        const unsigned answer = PlenMenu::FindMnemonic(typed[0], res::MenuPopup, m_owner);
        const PlenMenuItem* record = m_owner->Item(static_cast<int>(answer & 0xFFFF));
        if (answer >> 16 == PlenMenu::MenuCharExecute && record) {
            setActiveAction(record->m_action);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QMenu::keyPressEvent(&enter);
            return;
        }
    }
    QMenu::keyPressEvent(event);
}

}  // namespace velnar::controls
