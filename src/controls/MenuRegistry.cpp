#include "controls/MenuRegistry.h"

#include <algorithm>
#include <vector>

namespace velnar::controls {
namespace {

std::vector<const QMenu*>& Registry()
{
    static std::vector<const QMenu*> menus;
    return menus;
}

}  // namespace

void RegisterMenu(const QMenu* menu)
{
    if (menu)
        Registry().push_back(menu);
}

void UnregisterMenu(const QMenu* menu)
{
    auto& menus = Registry();
    menus.erase(std::remove(menus.begin(), menus.end(), menu), menus.end());
}

bool IsMenuRegistered(const QMenu* menu)
{
    const auto& menus = Registry();
    return menu && std::find(menus.begin(), menus.end(), menu) != menus.end();
}

int RegisteredMenuCount()
{
    return static_cast<int>(Registry().size());
}

}  // namespace velnar::controls
