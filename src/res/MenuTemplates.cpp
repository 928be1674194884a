#include "res/MenuTemplates.h"

#include "res/MenuFlags.h"
#include "res/ResourceIds.h"

namespace velnar::res {
namespace {

struct MenuResource {
    int id;
    const char* name;
    std::vector<MenuTemplateEntry> entries;
};

const std::vector<MenuResource>& MenuResources()
{
    static const std::vector<MenuResource> resources = {
        {kMainMenu, "MENUE",
         {
             {MenuString, kCommandOpen, QStringLiteral("OPEN")},
             {MenuString, kCommandSave, QStringLiteral("SAVE")},
             {MenuEnd, kCommandSendAll, QStringLiteral("SEND ALL")},
         }},
    };
    return resources;
}

void AppendWord(QByteArray& bytes, unsigned value)
{
    bytes.append(static_cast<char>(value & 0xFF));
    bytes.append(static_cast<char>((value >> 8) & 0xFF));
}

}  // namespace

QByteArray EncodeMenuTemplate(const std::vector<MenuTemplateEntry>& entries)
{
    QByteArray bytes;
    AppendWord(bytes, 0);  // version
    AppendWord(bytes, 0);  // offset of the items after the header
    for (const MenuTemplateEntry& entry : entries) {
        AppendWord(bytes, entry.flags);
        if (!(entry.flags & MenuPopup))
            AppendWord(bytes, entry.commandId);
        for (QChar c : entry.text)
            AppendWord(bytes, c.unicode());
        AppendWord(bytes, 0);
    }
    return bytes;
}

QByteArray LoadMenuTemplate(int id)
{
    for (const MenuResource& resource : MenuResources()) {
        if (resource.id == id)
            return EncodeMenuTemplate(resource.entries);
    }
    return {};
}

QByteArray LoadMenuTemplate(const QString& name)
{
    for (const MenuResource& resource : MenuResources()) {
        if (name.compare(QLatin1String(resource.name), Qt::CaseInsensitive) == 0)
            return EncodeMenuTemplate(resource.entries);
    }
    return {};
}

}  // namespace velnar::res
