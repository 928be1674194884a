#pragma once

#include <array>
#include <cstdint>

namespace velnar::sign {

// The sign's 5 x 7 dot font. A one-row slot shows it doubled.
constexpr int kGlyphWidth = 5;
constexpr int kGlyphHeight = 7;

// One byte per dot row, top first; bit 4 is the leftmost dot.
using Glyph = std::array<std::uint8_t, kGlyphHeight>;

// The dots the sign shows for a character it received. A character without
// a code of its own (what the sign makes of the codes it has no letter for)
// shows as a box that fills the whole cell.
const Glyph& SignGlyph(char16_t unit);

constexpr bool GlyphDot(const Glyph& glyph, int x, int y)
{
    return (glyph[static_cast<std::size_t>(y)] >> (kGlyphWidth - 1 - x)) & 1;
}

}  // namespace velnar::sign
