#pragma once

#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

#include "controls/PlenMenuItem.h"

class QAction;
class QMenu;
class QPainter;

namespace velnar::controls {

class MenuWindow;
struct ToolbarImages;

// The state of one item as its menu window draws it.
struct MenuItemState {
    QRect rect;
    const PlenMenuItem* item = nullptr;
    bool selected = false;
    bool grayed = false;
};

// A menu whose items it draws itself, in the classic look (grey background,
// highlight bar, 3-D frames around images) or the flat XP look (light image
// bar, pale highlight with a thin border), with images, check and radio marks
// and its own keyboard mnemonics.
//
// A PlenMenu is empty (no menu window) until it is loaded from a menu
// template or given a pop-up window with CreatePopupMenu and then items.
// Sub-menus of pop-up items belong to the menu they were appended to.
class PlenMenu {
public:
    // WM_MENUCHAR's answer in the high word: run the item in the low word.
    static constexpr unsigned MenuCharExecute = 2;

    PlenMenu();
    virtual ~PlenMenu();
    PlenMenu(const PlenMenu&) = delete;
    PlenMenu& operator=(const PlenMenu&) = delete;

    // Gives an empty menu an empty pop-up window; false when it has one.
    bool CreatePopupMenu();
    // The menu window, null while the menu is empty.
    QMenu* Handle() const;

    virtual void PaintItem(QPainter& painter, const MenuItemState& state);
    virtual QSize MeasureMenuItem(const PlenMenuItem& item) const;
    // Replace the menu by the menu template with this id or name. The items of
    // the top level stay plain items, drawn by the style; their pop-ups are
    // owner-drawn. False, and the menu unchanged, when there is no such
    // template or it does not parse.
    virtual bool LoadFromResource(int id);
    virtual bool LoadFromResource(const QString& name);
    // The same from a menu template given as bytes.
    bool LoadFromTemplate(const QByteArray& bytes);
    // Frees the menu window, the items and the sub-menus and takes them out of
    // the registry. False when the menu was empty.
    virtual bool Destroy();

    // A command item (id 0 makes a separator), its image taken from the shared
    // list when its command has one there.
    bool AppendItem(const QString& text, unsigned flags, int commandId);
    // A command item whose image is cut from the toolbar strip and shared.
    bool AppendItem(const QString& text, unsigned flags, int commandId, const ToolbarImages& toolbar);
    // A pop-up item; the menu takes the sub-menu over and registers it.
    bool AppendItem(const QString& text, unsigned flags, std::unique_ptr<PlenMenu> subMenu);

    // The keyboard look-up of WM_MENUCHAR: MenuCharExecute in the high word and
    // the position of the first item whose text holds "&" and the character
    // (any case) in the low word; 0 when nothing matches, no menu is given or
    // the flags lack MenuPopup.
    static unsigned FindMnemonic(QChar character, unsigned flags, PlenMenu* menu);

    static bool IsRegistered(const QMenu* menu);
    static bool IsRegistered(const PlenMenu& menu);

    // By position: the text of this menu's item there. By id: the text of the
    // item with that command, searched through the pop-ups as well.
    bool ItemText(int positionOrId, QString& text, bool byPosition) const;
    PlenMenu* SubMenu(int position) const;
    int ItemCount() const;
    const PlenMenuItem* Item(int position) const;
    const PlenMenuItem* ItemFor(const QAction* action) const;
    bool IsFromResource() const { return m_fromResource; }

    // Shows the menu at the screen position until the operator chooses or
    // dismisses it; the chosen command id, or 0.
    int TrackPopupMenu(const QPoint& screenPosition);

    // Pads the labels of items with accelerators so the accelerators line up.
    void AlignAccelerators();
    // Brings the item records in line with the menu window's actions, making
    // actions added behind the menu's back owner-drawn items.
    void ResyncItems();

    // Disabled images: the plain rendering instead of the two-colour one.
    void SetPlainDisabled(bool plain) { m_plainDisabled = plain; }

private:
    bool AppendRecord(const QString& text, unsigned flags, int commandId, int sharedIndex,
                      std::unique_ptr<PlenMenu> subMenu);
    const PlenMenu* FindCommand(int commandId, int& position) const;

    std::vector<std::unique_ptr<PlenMenuItem>> m_items;
    std::vector<std::unique_ptr<PlenMenu>> m_subMenus;
    bool m_plainDisabled = false;
    bool m_fromResource = false;
    std::unique_ptr<MenuWindow> m_menu;
};

}  // namespace velnar::controls
