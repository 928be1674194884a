#include "file/MessageFileFormat.h"

#include <cstring>

namespace velnar::file {

void CopyAttributeBlocks(const model::MessageTable& from, model::MessageTable& to)
{
    for (const AttributeBlock& entry : kFileBlocks) {
        for (int position = 0; position < entry.length; ++position)
            BlockValue(to, entry.block, position) = BlockValue(from, entry.block, position);
    }
}

std::u16string Marker(int n)
{
    std::u16string marker;
    for (char digit : std::to_string(n))
        marker.push_back(static_cast<char16_t>(digit));
    marker.push_back(u',');
    return marker;
}

namespace {

// The file's byte order is the memory's on nearly every machine the editor
// runs on; then whole runs are copied instead of taken apart unit by unit.
bool MemoryIsLittleEndian()
{
    const char16_t probe = 1;
    unsigned char first = 0;
    std::memcpy(&first, &probe, 1);
    return first == 1;
}

}  // namespace

void AppendFileBytes(std::string& bytes, std::u16string_view units)
{
    if (MemoryIsLittleEndian()) {
        bytes.append(reinterpret_cast<const char*>(units.data()), 2 * units.size());
        return;
    }
    for (char16_t unit : units) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
}

void AppendFileUnits(std::u16string& units, std::string_view bytes)
{
    const std::size_t count = bytes.size() / 2;
    // memcpy must not see the null pointer of an empty view, even for 0 bytes.
    if (count == 0)
        return;
    if (MemoryIsLittleEndian()) {
        const std::size_t start = units.size();
        units.resize(start + count);
        std::memcpy(units.data() + start, bytes.data(), 2 * count);
        return;
    }
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < count; ++i, in += 2)
        units.push_back(static_cast<char16_t>(in[0] | (in[1] << 8)));
}

}  // namespace velnar::file
