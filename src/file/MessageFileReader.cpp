#include "file/MessageFileReader.h"

#include <algorithm>
#include <string>

#include "file/MessageFileFormat.h"

namespace velnar::file {

namespace {

const AttributeBlock* EntryOf(Block block)
{
    return &*std::find_if(kFileBlocks.begin(), kFileBlocks.end(),
                          [block](const AttributeBlock& entry) { return entry.block == block; });
}

// The order in which a scan tries the key words at each unit.
const std::array<const AttributeBlock*, 6> kKeyWordTrials = {
    EntryOf(Block::TwoRows), EntryOf(Block::Animation), EntryOf(Block::Brightness),
    EntryOf(Block::Speed),   EntryOf(Block::Clock),     EntryOf(Block::Selected),
};

bool StartsAt(std::u16string_view units, std::size_t position, std::u16string_view word)
{
    return units.compare(position, word.size(), word) == 0;
}

const AttributeBlock* KeyWordAt(std::u16string_view units, std::size_t position)
{
    for (const AttributeBlock* entry : kKeyWordTrials) {
        if (units[position] == entry->keyWord[0] && StartsAt(units, position, entry->keyWord))
            return entry;
    }
    return nullptr;
}

// Stores the values that follow a key word and returns the position after
// them. A block cut short by the end of the file stores the units it has.
std::size_t ReadValues(std::u16string_view units, std::size_t position, const AttributeBlock& entry,
                       model::MessageTable& table)
{
    const std::size_t count = std::min(static_cast<std::size_t>(entry.length), units.size() - position);
    for (std::size_t i = 0; i < count; ++i)
        BlockValue(table, entry.block, static_cast<int>(i)) = static_cast<std::int32_t>(units[position + i]) - kValueZero;
    return position + count;
}

// Markers are looked for one at a time: after marker n only "n+1," counts,
// every other number is text. There is no row after 32, so "33," is text too.
// With keyWords, a key word stores its block wherever it stands, and after
// "SATIR" no unit belongs to a row any more.
void ScanTexts(std::u16string_view units, bool keyWords, model::MessageTable& table)
{
    int current = 0;
    bool pastTexts = false;
    std::u16string next = Marker(1);
    std::size_t runStart = 0;
    const auto closeRun = [&](std::size_t end) {
        if (current > 0 && !pastTexts)
            table.rowText[static_cast<std::size_t>(current - 1)].append(units.substr(runStart, end - runStart));
    };

    std::size_t position = 0;
    while (position < units.size()) {
        if (keyWords) {
            if (const AttributeBlock* entry = KeyWordAt(units, position)) {
                closeRun(position);
                position = ReadValues(units, position + entry->keyWord.size(), *entry, table);
                pastTexts = pastTexts || entry->block == Block::TwoRows;
                runStart = position;
                continue;
            }
        }
        if (!pastTexts && current < model::kRowCount && units[position] == next[0] && StartsAt(units, position, next)) {
            closeRun(position);
            position += next.size();
            runStart = position;
            next = Marker(++current + 1);
            continue;
        }
        ++position;
    }
    closeRun(position);
}

}  // namespace

bool EndsWithAttributeTail(std::u16string_view units)
{
    if (units.size() < kTailLength)
        return false;
    std::size_t position = units.size() - kTailLength;
    for (const AttributeBlock& entry : kFileBlocks) {
        if (!StartsAt(units, position, entry.keyWord))
            return false;
        position += entry.keyWord.size() + static_cast<std::size_t>(entry.length);
    }
    return true;
}

void ReadMessageFile(std::u16string_view units, model::MessageTable& table)
{
    for (std::u16string& text : table.rowText)
        text.clear();

    if (!EndsWithAttributeTail(units)) {
        ScanTexts(units, true, table);
        return;
    }
    std::size_t position = units.size() - kTailLength;
    ScanTexts(units.substr(0, position), false, table);
    for (const AttributeBlock& entry : kFileBlocks)
        position = ReadValues(units, position + entry.keyWord.size(), entry, table);
}

void ReadMessageFileBytes(std::string_view bytes, model::MessageTable& table)
{
    std::u16string units;
    AppendFileUnits(units, bytes);
    ReadMessageFile(units, table);
}

}  // namespace velnar::file
