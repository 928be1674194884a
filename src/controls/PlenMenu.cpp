#include "controls/PlenMenu.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <algorithm>

#include "controls/ColorMath.h"
#include "controls/MenuImages.h"
#include "controls/MenuItemMetrics.h"
#include "controls/MenuItemPainter.h"
#include "controls/MenuItemText.h"
#include "controls/MenuRegistry.h"
#include "controls/MenuSettings.h"
#include "controls/MenuTemplateParser.h"
#include "controls/MenuWindow.h"
#include "controls/PlatformInfo.h"
#include "controls/SharedMenuImages.h"
#include "controls/SystemColors.h"
#include "res/MenuFlags.h"
#include "res/MenuTemplates.h"

namespace velnar::controls {

using namespace res;

namespace {

struct LookFacts {
    int windowsKind;
    bool xpThemed;
    bool useXpLook;
    int menuBarHeight;
};

LookFacts CurrentLook()
{
    const PlatformFacts& platform = CurrentPlatform();
    const bool xpThemed = IsXpThemed(platform.windowsKind, platform.classicThemeSelected);
    return {platform.windowsKind, xpThemed,
            UseXpLook(xpThemed, kMenuSettings.XpLookMode, kMenuSettings.ClassicLookMode), platform.menuBarHeight};
}

QFont MenuFont()
{
    return QApplication::font("QMenu");
}

// The image under a lifted image: the shadow colour, paler off themed XP.
QColor RaisedShadow(bool xpThemed)
{
    const QColor shadow = SystemColor(SysColor::BtnShadow);
    return xpThemed ? shadow : QColor(BlendToWhite(shadow.rgb(), 0.49));
}

// The state an action itself carries: enabled, separator, sub-menu, check.
unsigned ActionFlags(const QAction& action)
{
    unsigned flags = MenuString;
    if (action.isSeparator())
        flags |= MenuSeparator;
    if (action.menu())
        flags |= MenuPopup;
    if (!action.isEnabled())
        flags |= MenuGrayed;
    if (action.isChecked())
        flags |= MenuChecked;
    return flags;
}

void AppendTemplateItems(PlenMenu& menu, const std::vector<MenuTemplateItem>& items)
{
    for (const MenuTemplateItem& item : items) {
        if (item.flags & MenuPopup) {
            auto subMenu = std::make_unique<PlenMenu>();
            subMenu->CreatePopupMenu();
            AppendTemplateItems(*subMenu, item.items);
            menu.AppendItem(item.text, item.flags, std::move(subMenu));
        } else {
            menu.AppendItem(item.text, item.flags, static_cast<int>(item.commandId));
        }
    }
    menu.AlignAccelerators();
}

}  // namespace

PlenMenu::PlenMenu() = default;

PlenMenu::~PlenMenu()
{
    Destroy();
}

bool PlenMenu::CreatePopupMenu()
{
    if (m_menu)
        return false;
    m_menu = std::make_unique<MenuWindow>(this);
    return true;
}

QMenu* PlenMenu::Handle() const
{
    return m_menu.get();
}

void PlenMenu::PaintItem(QPainter& painter, const MenuItemState& state)
{
    const PlenMenuItem& record = *state.item;
    const LookFacts look = CurrentLook();

    MenuItemDraw item;
    item.rect = state.rect;
    item.text = record.m_text;
    item.separator = record.m_flags & MenuSeparator;
    item.selected = state.selected;
    item.grayed = state.grayed;
    item.checked = record.m_flags & MenuChecked;
    item.radio = record.m_flags & MenuRadioCheck;
    const SharedMenuImages& shared = SharedMenuImages::Instance();
    if (record.m_sharedIndex >= 0 && record.m_sharedIndex < shared.Count()) {
        item.image = shared.Image(record.m_sharedIndex);
        if (shared.HasRaisedImages(record.m_sharedIndex)) {
            item.faded = shared.Image(record.m_sharedIndex + 1);
            item.shadow = shared.Image(record.m_sharedIndex + 2);
        }
    }

    MenuLookContext context;
    context.icon = kMenuIconSize;
    context.xpThemed = look.xpThemed;
    context.modernShell = IsModernShell(look.windowsKind);
    context.plainDisabled = m_plainDisabled;
    context.settings = kMenuSettings;
    context.colors = MenuColors::FromSystem();
    context.font = MenuFont();

    painter.save();
    painter.setFont(context.font);
    if (PaintsXpLook(IsPaletteDevice(painter.device()), look.useXpLook))
        PaintXpItem(painter, item, context);
    else
        PaintClassicItem(painter, item, context);
    painter.restore();
}

QSize PlenMenu::MeasureMenuItem(const PlenMenuItem& item) const
{
    const LookFacts look = CurrentLook();
    const MenuMetrics metrics{kMenuIconSize.width(), kMenuIconSize.height(), look.menuBarHeight, look.useXpLook,
                              kMenuSettings.XpRaisedImages};
    if (item.m_flags & MenuSeparator)
        return MeasureSeparator(metrics);
    // Older shells measure in the screen's default font; the oldest measure nothing.
    const QFont font = IsModernShell(look.windowsKind) ? MenuFont() : QGuiApplication::font();
    QString text = item.m_text;
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    const int textWidth = look.windowsKind == 0 ? 0 : QFontMetrics(font).horizontalAdvance(text);
    return MeasureItem(metrics, textWidth);
}

bool PlenMenu::LoadFromResource(int id)
{
    return LoadFromTemplate(LoadMenuTemplate(id));
}

bool PlenMenu::LoadFromResource(const QString& name)
{
    return LoadFromTemplate(LoadMenuTemplate(name));
}

bool PlenMenu::LoadFromTemplate(const QByteArray& bytes)
{
    const auto items = ParseMenuTemplate(bytes);
    if (!items)
        return false;
    Destroy();
    m_menu = std::make_unique<MenuWindow>(this);
    AppendTemplateItems(*this, *items);
    // The top level is a menu bar: its items go back to plain items, so the
    // style draws them; they keep their state.
    for (auto& record : m_items)
        record->m_flags = (record->m_flags & ~MenuOwnerDraw) | MenuByPosition;
    m_fromResource = true;
    return true;
}

bool PlenMenu::Destroy()
{
    const bool hadMenu = m_menu != nullptr;
    UnregisterMenu(m_menu.get());
    // Each sub-menu takes its own window out of the registry as it goes.
    m_subMenus.clear();
    m_items.clear();
    m_menu.reset();
    m_fromResource = false;
    return hadMenu;
}

bool PlenMenu::AppendItem(const QString& text, unsigned flags, int commandId)
{
    return AppendRecord(text, flags, commandId, SharedMenuImages::Instance().IndexOf(commandId), nullptr);
}

bool PlenMenu::AppendItem(const QString& text, unsigned flags, int commandId, const ToolbarImages& toolbar)
{
    if (!m_menu)
        return false;
    const LookFacts look = CurrentLook();
    const int sharedIndex = SharedMenuImages::Instance()
                                .AddToShared(ToolbarIcon(toolbar, commandId, kMenuIconSize), commandId,
                                             look.useXpLook && kMenuSettings.XpRaisedImages,
                                             RaisedShadow(look.xpThemed));
    return AppendRecord(text, flags, commandId, sharedIndex, nullptr);
}

bool PlenMenu::AppendItem(const QString& text, unsigned flags, std::unique_ptr<PlenMenu> subMenu)
{
    if (!subMenu)
        return false;
    return AppendRecord(text, flags | MenuPopup, 0, -1, std::move(subMenu));
}

bool PlenMenu::AppendRecord(const QString& text, unsigned flags, int commandId, int sharedIndex,
                            std::unique_ptr<PlenMenu> subMenu)
{
    if (!m_menu)
        return false;
    if (subMenu || commandId != 0)
        flags |= MenuOwnerDraw;
    else
        flags = (flags & MenuByPosition) | MenuSeparator | MenuOwnerDraw;

    auto record = std::make_unique<PlenMenuItem>();
    record->m_text = text;
    record->m_sharedIndex = sharedIndex;
    record->m_flags = flags;
    record->m_commandId = subMenu ? 0 : commandId;

    QAction* action = nullptr;
    if (subMenu) {
        subMenu->CreatePopupMenu();
        action = subMenu->Handle()->menuAction();
        action->setText(text);
        m_menu->addAction(action);
        RegisterMenu(subMenu->Handle());
        record->m_subMenu = subMenu.get();
        m_subMenus.push_back(std::move(subMenu));
    } else if (flags & MenuSeparator) {
        action = m_menu->addSeparator();
    } else {
        action = m_menu->addAction(text);
        action->setData(commandId);
    }
    action->setEnabled(!(flags & (MenuGrayed | MenuDisabled)));
    record->m_action = action;
    m_items.push_back(std::move(record));
    return true;
}

unsigned PlenMenu::FindMnemonic(QChar character, unsigned flags, PlenMenu* menu)
{
    if (!menu || !menu->m_menu || !(flags & MenuPopup))
        return 0;
    if (menu->m_menu->actions().size() != static_cast<qsizetype>(menu->m_items.size()))
        menu->ResyncItems();
    QStringList texts;
    for (const auto& record : menu->m_items)
        texts << record->m_text;
    const int position = FindMnemonicPosition(texts, character);
    return position < 0 ? 0 : MenuCharExecute << 16 | static_cast<unsigned>(position);
}

bool PlenMenu::IsRegistered(const QMenu* menu)
{
    return IsMenuRegistered(menu);
}

bool PlenMenu::IsRegistered(const PlenMenu& menu)
{
    return IsMenuRegistered(menu.Handle());
}

bool PlenMenu::ItemText(int positionOrId, QString& text, bool byPosition) const
{
    if (!byPosition) {
        int position = -1;
        const PlenMenu* holder = FindCommand(positionOrId, position);
        return holder && holder->ItemText(position, text, true);
    }
    const PlenMenuItem* record = Item(positionOrId);
    if (!record)
        return false;
    text = record->m_text;
    return true;
}

const PlenMenu* PlenMenu::FindCommand(int commandId, int& position) const
{
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        const PlenMenuItem& record = *m_items[i];
        if (record.m_subMenu) {
            if (const PlenMenu* holder = record.m_subMenu->FindCommand(commandId, position))
                return holder;
        } else if (!(record.m_flags & MenuSeparator) && record.m_commandId == commandId) {
            position = static_cast<int>(i);
            return this;
        }
    }
    return nullptr;
}

PlenMenu* PlenMenu::SubMenu(int position) const
{
    const PlenMenuItem* record = Item(position);
    return record ? record->m_subMenu : nullptr;
}

int PlenMenu::ItemCount() const
{
    return static_cast<int>(m_items.size());
}

const PlenMenuItem* PlenMenu::Item(int position) const
{
    if (position < 0 || position >= ItemCount())
        return nullptr;
    return m_items[static_cast<std::size_t>(position)].get();
}

const PlenMenuItem* PlenMenu::ItemFor(const QAction* action) const
{
    for (const auto& record : m_items) {
        if (record->m_action == action)
            return record.get();
    }
    return nullptr;
}

int PlenMenu::TrackPopupMenu(const QPoint& screenPosition)
{
    if (!m_menu)
        return 0;
    const QAction* chosen = m_menu->exec(screenPosition);
    return chosen ? chosen->data().toInt() : 0;
}

void PlenMenu::AlignAccelerators()
{
    QStringList texts;
    for (const auto& record : m_items)
        texts << record->m_text;
    const QStringList aligned = controls::AlignAccelerators(texts, QFontMetrics(MenuFont()));
    for (std::size_t i = 0; i < m_items.size(); ++i) {
        PlenMenuItem& record = *m_items[i];
        record.m_text = aligned[static_cast<qsizetype>(i)];
        if (record.m_action && !(record.m_flags & MenuSeparator))
            record.m_action->setText(record.m_text);
    }
}

void PlenMenu::ResyncItems()
{
    if (!m_menu)
        return;
    std::vector<std::unique_ptr<PlenMenuItem>> synced;
    for (QAction* action : m_menu->actions()) {
        const auto match = std::find_if(m_items.begin(), m_items.end(), [action](const auto& record) {
            return record && record->m_action == action;
        });
        std::unique_ptr<PlenMenuItem> record;
        unsigned kept = 0;
        if (match != m_items.end()) {
            record = std::move(*match);
            // The actions do not carry the check marks the records were given.
            kept = record->m_flags & (MenuChecked | MenuRadioCheck);
        } else {
            record = std::make_unique<PlenMenuItem>();
            record->m_action = action;
            record->m_commandId = action->data().toInt();
        }
        record->m_text = action->isSeparator() ? QString() : action->text();
        record->m_flags = ActionFlags(*action) | kept | MenuOwnerDraw | MenuByPosition;
        synced.push_back(std::move(record));
    }
    m_items = std::move(synced);
}

}  // namespace velnar::controls
