#include "controls/PlenMenuStyle.h"

#include <QApplication>
#include <QPointer>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "controls/MenuWindow.h"
#include "controls/PlenMenu.h"
#include "res/MenuFlags.h"

namespace velnar::controls {
namespace {

// The option as the application's style expects it, naming the menu window.
QStyleOptionMenuItem PlainOption(const QStyleOptionMenuItem& option, const QWidget* widget)
{
    QStyleOptionMenuItem plain(option);
    plain.styleObject = const_cast<QWidget*>(widget);
    return plain;
}

}  // namespace

PlenMenuStyle* PlenMenuStyle::Instance()
{
    static QPointer<PlenMenuStyle> style;
    if (!style) {
        style = new PlenMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

void PlenMenuStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                const QWidget* widget) const
{
    if (element == CE_MenuItem) {
        PlenMenu* menu = nullptr;
        if (const PlenMenuItem* item = OwnerDrawnItem(option, widget, menu)) {
            menu->PaintItem(*painter, {option->rect, item, (option->state & State_Selected) != 0,
                                       !(option->state & State_Enabled)});
            return;
        }
        if (const auto* menuOption = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            const QStyleOptionMenuItem plain = PlainOption(*menuOption, widget);
            QProxyStyle::drawControl(element, &plain, painter, widget);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

QSize PlenMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& contentsSize,
                                      const QWidget* widget) const
{
    if (type == CT_MenuItem) {
        PlenMenu* menu = nullptr;
        if (const PlenMenuItem* item = OwnerDrawnItem(option, widget, menu)) {
            // A menu window leaves out items of no width; the column widens them anyway.
            const QSize size = menu->MeasureMenuItem(*item);
            return {std::max(1, size.width()), size.height()};
        }
        if (const auto* menuOption = qstyleoption_cast<const QStyleOptionMenuItem*>(option)) {
            const QStyleOptionMenuItem plain = PlainOption(*menuOption, widget);
            return QProxyStyle::sizeFromContents(type, &plain, contentsSize, widget);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, contentsSize, widget);
}

const PlenMenuItem* PlenMenuStyle::OwnerDrawnItem(const QStyleOption* option, const QWidget* widget,
                                                  PlenMenu*& menu)
{
    const auto* window = qobject_cast<const MenuWindow*>(widget);
    const auto* action = qobject_cast<const QAction*>(option->styleObject);
    if (!window || !action || !window->Owner())
        return nullptr;
    const PlenMenuItem* item = window->Owner()->ItemFor(action);
    if (!item || !(item->m_flags & res::MenuOwnerDraw))
        return nullptr;
    menu = window->Owner();
    return item;
}

}  // namespace velnar::controls
