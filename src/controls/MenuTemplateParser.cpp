#include "controls/MenuTemplateParser.h"

#include "res/MenuFlags.h"

namespace velnar::controls {
namespace {

class TemplateReader {
public:
    explicit TemplateReader(const QByteArray& bytes) : m_bytes(bytes) {}

    bool Skip(int count)
    {
        if (count > m_bytes.size() - m_position)
            return false;
        m_position += count;
        return true;
    }

    bool ReadWord(unsigned& word)
    {
        if (m_bytes.size() - m_position < 2)
            return false;
        word = static_cast<unsigned char>(m_bytes[m_position]) |
               static_cast<unsigned>(static_cast<unsigned char>(m_bytes[m_position + 1])) << 8;
        m_position += 2;
        return true;
    }

    bool ReadText(QString& text)
    {
        for (unsigned unit = 0;;) {
            if (!ReadWord(unit))
                return false;
            if (unit == 0)
                return true;
            text.append(QChar(static_cast<char16_t>(unit)));
        }
    }

private:
    const QByteArray& m_bytes;
    int m_position = 0;
};

bool ParseLevel(TemplateReader& reader, std::vector<MenuTemplateItem>& level)
{
    for (;;) {
        unsigned flags = 0;
        if (!reader.ReadWord(flags))
            return false;
        MenuTemplateItem item;
        item.flags = flags & ~res::MenuEnd;
        if (!(flags & res::MenuPopup) && !reader.ReadWord(item.commandId))
            return false;
        if (!reader.ReadText(item.text))
            return false;
        if ((flags & res::MenuPopup) && !ParseLevel(reader, item.items))
            return false;
        level.push_back(std::move(item));
        if (flags & res::MenuEnd)
            return true;
    }
}

}  // namespace

std::optional<std::vector<MenuTemplateItem>> ParseMenuTemplate(const QByteArray& bytes)
{
    TemplateReader reader(bytes);
    unsigned version = 0;
    unsigned offset = 0;
    if (!reader.ReadWord(version) || version != 0 || !reader.ReadWord(offset) || !reader.Skip(static_cast<int>(offset)))
        return std::nullopt;
    std::vector<MenuTemplateItem> items;
    if (!ParseLevel(reader, items))
        return std::nullopt;
    return items;
}

}  // namespace velnar::controls
