#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/MessageTable.h"

namespace velnar::file {

// The message file is one run of UTF-16 code units, little-endian, without a
// byte-order mark: "1," and the text of row 0, "2," and the text of row 1, ...
// "32," and the text of row 31, then the attribute tail: each key word
// followed by one unit per value.

enum class Block { TwoRows, Clock, Selected, Animation, Brightness, Speed };

struct AttributeBlock {
    std::u16string_view keyWord;
    int length;
    Block block;
};

// The blocks in the order the file holds them.
constexpr std::array<AttributeBlock, 6> kFileBlocks = {{
    {u"SATIR", model::kSlotCount, Block::TwoRows},
    {u"SAAT", model::kSlotCount, Block::Clock},
    {u"SEL", model::kSlotCount, Block::Selected},
    {u"MODE", model::kRowCount, Block::Animation},
    {u"LIGHT", model::kRowCount, Block::Brightness},
    {u"HEIGHT", model::kRowCount, Block::Speed},
}};

// A value is stored as the one unit 48 + value, so 0 to 9 are their digits and
// the reader's "code minus 48" gives every value back that a unit can hold
// (-48 to 65487, which covers the -1 and -4 of a list left without a selection).
constexpr int kValueZero = 48;

// The attribute tail as the writer writes it: 171 units.
constexpr std::size_t TailLength()
{
    std::size_t length = 0;
    for (const AttributeBlock& entry : kFileBlocks)
        length += entry.keyWord.size() + static_cast<std::size_t>(entry.length);
    return length;
}
constexpr std::size_t kTailLength = TailLength();

// Index into the table's array of the block's value at a file position.
// Animation has its own storage order; every other block runs in table order.
constexpr std::size_t TableIndex(Block block, int position)
{
    return static_cast<std::size_t>(block == Block::Animation ? model::RowOfAnimationPosition(position) : position);
}

// The table entry that holds the value at a position of a block; Table is
// MessageTable or const MessageTable.
template <typename Table>
auto& BlockValue(Table& table, Block block, int position)
{
    auto* values = table.rowSpeed.data();
    switch (block) {
    case Block::TwoRows: values = table.slotTwoRows.data(); break;
    case Block::Clock: values = table.slotClock.data(); break;
    case Block::Selected: values = table.slotSelected.data(); break;
    case Block::Animation: values = table.rowAnimation.data(); break;
    case Block::Brightness: values = table.rowBrightness.data(); break;
    case Block::Speed: break;
    }
    return values[TableIndex(block, position)];
}

// Copies the six attribute blocks and nothing else.
void CopyAttributeBlocks(const model::MessageTable& from, model::MessageTable& to);

// "1," for row 0 up to "32," for row 31: marker n precedes the text of row n - 1.
std::u16string Marker(int n);

// Every unit as two bytes, low byte first.
void AppendFileBytes(std::string& bytes, std::u16string_view units);
// Every two bytes as a unit; a final odd byte is no unit and is dropped.
void AppendFileUnits(std::u16string& units, std::string_view bytes);

}  // namespace velnar::file
