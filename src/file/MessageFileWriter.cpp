#include "file/MessageFileWriter.h"

#include <cstdint>

#include "file/MessageFileFormat.h"

namespace velnar::file {

namespace {

// Values beyond what a unit can hold keep the layout of one unit each; they
// wrap to the low 16 bits, as the frames do with the low 8.
char16_t ValueUnit(std::int32_t value)
{
    return static_cast<char16_t>(static_cast<std::uint32_t>(value) + kValueZero);
}

std::size_t FileLength(const model::MessageTable& table)
{
    std::size_t length = kTailLength;
    for (int n = 1; n <= model::kRowCount; ++n)
        length += Marker(n).size() + table.rowText[static_cast<std::size_t>(n - 1)].size();
    return length;
}

// The layout, piece by piece, to whatever the file is being built in.
template <typename Append>
void WriteLayout(const model::MessageTable& table, Append append)
{
    for (int n = 1; n <= model::kRowCount; ++n) {
        append(Marker(n));
        append(table.rowText[static_cast<std::size_t>(n - 1)]);
    }
    for (const AttributeBlock& entry : kFileBlocks) {
        append(entry.keyWord);
        std::u16string values;
        for (int position = 0; position < entry.length; ++position)
            values.push_back(ValueUnit(BlockValue(table, entry.block, position)));
        append(values);
    }
}

}  // namespace

std::u16string EncodeMessageFile(const model::MessageTable& table)
{
    std::u16string units;
    units.reserve(FileLength(table));
    WriteLayout(table, [&units](std::u16string_view piece) { units += piece; });
    return units;
}

std::string MessageFileBytes(const model::MessageTable& table)
{
    std::string bytes;
    bytes.reserve(2 * FileLength(table));
    WriteLayout(table, [&bytes](std::u16string_view piece) { AppendFileBytes(bytes, piece); });
    return bytes;
}

}  // namespace velnar::file
