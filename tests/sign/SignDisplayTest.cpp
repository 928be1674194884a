#include <gtest/gtest.h>

#include <array>
#include <set>

#include "link/SignCharCode.h"
#include "sign/SignDisplay.h"
#include "sign/SignFont.h"

namespace velnar::sign {
namespace {

using namespace link;

constexpr int kColumns = 64;

// The outermost lit LEDs of a board, {first column, last column, first row,
// last row}; all -1 when it is dark.
using Extent = std::array<int, 4>;
constexpr Extent kDark = {-1, -1, -1, -1};

Extent LitExtent(const Board& board)
{
    Extent e = kDark;
    for (int r = 0; r < kBoardRows; ++r) {
        for (int c = 0; c < board.columns; ++c) {
            if (board.At(c, r))
                e = {e[0] < 0 ? c : std::min(e[0], c), std::max(e[1], c), e[2] < 0 ? r : e[2], r};
        }
    }
    return e;
}

SignState OneRowOf(std::u16string text, int animation, int speed = 8, bool twoRows = true)
{
    SignState state;
    state.slotStates[0].twoRows = twoRows;
    state.slotStates[0].rows[0] = {std::move(text), animation, 8, speed};
    return state;
}

// "AB" is 11 LEDs wide and rests at columns 26 to 36 of 64; partway in,
// each animation shows it coming from its own side.
TEST(SignDisplayTest, EachAnimationEntersItsWay)
{
    const struct { const char* what; int animation, atMs; Extent lit; } cases[] = {
        {"from the left edge", 0, 100, {0, 4, 0, 6}},
        {"from the right edge", 1, 100, {59, 63, 0, 6}},
        {"dropping from the top", 2, 60, {26, 36, 0, 1}},
        {"rising from the bottom, within its half", 3, 60, {26, 36, 5, 7}},
        {"a curtain opening from the centre", 4, 60, {29, 34, 0, 6}},
        {"no animation: at rest at once", 9, 0, {26, 36, 0, 6}},
        {"at rest once in", 0, 5000, {26, 36, 0, 6}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LitExtent(ShowBoard(OneRowOf(u"AB", c.animation), kColumns, c.atMs)), c.lit) << c.what;
}

// Two rows: row 1 in the upper half, row 2 in the lower, each at its own
// brightness; one row: the font doubled, 14 dots high; a row wider than the
// board starts at its left edge.
TEST(SignDisplayTest, RowsFillTheirHalvesOrTheWholeBoard)
{
    SignState state = OneRowOf(u"I", 9);
    state.slotStates[0].rows[1] = {u"I", 9, 0, 0};
    Board board = ShowBoard(state, kColumns, 0);
    EXPECT_EQ(LitExtent(board)[3], 14);
    EXPECT_EQ(board.At(31, 1), 3);
    EXPECT_EQ(board.At(31, 8), 1);
    EXPECT_EQ(board.At(31, 7), 0);
    EXPECT_EQ(LitExtent(ShowBoard(OneRowOf(u"I", 9, 8, false), kColumns, 0)), (Extent{29, 34, 1, 14}));
    EXPECT_EQ(LitExtent(ShowBoard(OneRowOf(std::u16string(100, u'W'), 9), kColumns, 0))[0], 0);
}

TEST(SignDisplayTest, ClockRowRunsOnFromTheClockFrame)
{
    VirtualSign sign;
    std::int64_t now = 1000;
    const auto deliver = [&](const Frame& frame) {
        sign.OnByte(kSyncByte, now);
        for (std::uint8_t byte : frame)
            sign.OnByte(byte, now);
    };
    deliver(BuildClockFrame({2007, 1, 3, 23, 59, 58, 4}, 1, 4));
    const SignState& state = sign.State();
    EXPECT_EQ(ClockText(state, 1000), u"23:59:58");
    EXPECT_EQ(ClockText(state, 2999), u"23:59:59");
    EXPECT_EQ(ClockText(state, 3000), u"00:00:00");
    EXPECT_EQ(ClockText(state, 1000 + 3600 * 1000), u"00:59:58");

    // A clock row alone is enough to show the slot; it fills the lower half.
    const Board board = ShowEnteredSlot(state, 4, kColumns, now);
    EXPECT_EQ(board.slotIndex, 4);
    EXPECT_EQ(LitExtent(board)[2], 8);
    EXPECT_EQ(ShowBoard(state, kColumns, now).slotIndex, 4);

    // Impossible dates and times leave the sign without a time to show.
    const std::array<int, kFrameSize - 1> impossible[] = {
        {kClockCommand, 0x07, 0x13, 3, 0x03, 0x14, 0x05, 0x09, 4, 1},  // month 13
        {kClockCommand, 0x07, 0x01, 3, 0x03, 0x1A, 0x05, 0x09, 4, 1},  // hour digit above 9
        {kClockCommand, 0x07, 0x02, 3, 0x30, 0x14, 0x05, 0x09, 4, 1},  // 30 February
    };
    for (const auto& content : impossible) {
        deliver(BuildClockFrame({2008, 2, 29, 12, 0, 0, 6}, 1, 4));  // a leap day is possible
        ASSERT_TRUE(sign.Clock().has_value());
        deliver(SealFrame(content));
        EXPECT_FALSE(sign.Clock().has_value());
        EXPECT_EQ(ClockText(sign.State(), now), u"--:--:--");
    }
}

TEST(SignFontTest, EveryCodeOfTheTableHasAGlyphOfItsOwn)
{
    const Glyph& box = SignGlyph(u'\uFFFD');
    std::set<Glyph> seen;
    for (int code = 0; code <= 122; ++code) {
        const char16_t unit = SignCodeCharacter(code);
        if (unit == u'\uFFFD')
            continue;
        const Glyph& glyph = SignGlyph(unit);
        EXPECT_NE(glyph, box) << code;
        EXPECT_TRUE(seen.insert(glyph).second) << "code " << code << " looks like another";
    }
    EXPECT_EQ(SignGlyph(u' '), Glyph{});
    EXPECT_EQ(SignGlyph(u'\u4E00'), box);
}

}  // namespace
}  // namespace velnar::sign
