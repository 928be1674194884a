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

TEST(SignDisplayTest, EachAnimationEntersItsWay)
{
    // "AB" is 11 LEDs wide and rests at column 26 of 64; at speed "3" a
    // step takes 20 ms.
    const struct { int animation, atMs; Extent lit; } cases[] = {
        {0, 0, kDark},           {0, 100, {0, 4, 0, 6}},  // five steps in from the left edge
        {0, 5000, {26, 36, 0, 6}},                        // at rest
        {1, 100, {59, 63, 0, 6}}, {1, 740, {27, 37, 0, 6}}, {1, 760, {26, 36, 0, 6}},  // one step before its place
        {2, 60, {26, 36, 0, 1}},  {2, 160, {26, 36, 0, 6}},  // dropped three of eight rows
        {3, 60, {26, 36, 5, 7}},                             // risen three rows, clipped to its half
        {4, 0, kDark},            {4, 60, {29, 34, 0, 6}},  {4, 120, {26, 36, 0, 6}},  // the curtain open three each side
        {9, 0, {26, 36, 0, 6}},   {255, 0, {26, 36, 0, 6}},  // no animation
    };
    for (const auto& c : cases)
        EXPECT_EQ(LitExtent(ShowBoard(OneRowOf(u"AB", c.animation), kColumns, c.atMs)), c.lit)
            << c.animation << " at " << c.atMs;
}

TEST(SignDisplayTest, FontSizesRowsAndLevels)
{
    // Two rows: 7 dots in each half; one row: the font doubled, 14 high.
    SignState state = OneRowOf(u"I", 9);
    state.slotStates[0].rows[1] = {u"I", 9, 0, 0};
    Board board = ShowBoard(state, kColumns, 0);
    EXPECT_EQ(LitExtent(board)[3], 14);
    EXPECT_EQ(board.At(31, 1), 3);  // row 1 at brightness "3"
    EXPECT_EQ(board.At(31, 8), 1);  // row 2 at brightness "1"
    EXPECT_EQ(board.At(31, 7), 0);
    // The I's bar, three dots doubled.
    EXPECT_EQ(LitExtent(ShowBoard(OneRowOf(u"I", 9, 8, false), kColumns, 0)), (Extent{29, 34, 1, 14}));

    // Brightness and speed bytes: level and step time, by the nearest of 0, 4, 8.
    const int levels[][3] = {{0, 1, 60}, {1, 1, 60}, {3, 2, 35}, {4, 2, 35}, {5, 2, 35}, {7, 3, 20}, {255, 3, 20}};
    for (const auto& l : levels)
        EXPECT_EQ(std::make_pair(LedLevel(l[0]), StepMs(l[0])), std::make_pair(l[1], l[2])) << l[0];
}

TEST(SignDisplayTest, SlotsTakeTurnsAndHold)
{
    SignState state = OneRowOf(u"AB", 1);  // enters in 760 ms
    state.slotStates[1].rows[1] = {u"", 2, 8, 8};                    // empty: skipped
    state.slotStates[2].rows[0] = {u"C", 9, 0, 0};                   // enters at once
    state.slotStates[5].twoRows = false;
    state.slotStates[5].rows[1] = {u"hidden in one-row mode", 9, 0, 0};
    const struct { std::int64_t atMs; int slotIndex; } cases[] = {
        {0, 0}, {760 + kHoldMs - 1, 0}, {760 + kHoldMs, 2}, {760 + 2 * kHoldMs - 1, 2}, {760 + 2 * kHoldMs, 0},
        {-1, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(ShowBoard(state, kColumns, c.atMs).slotIndex, c.slotIndex) << c.atMs;

    state.showFromSlot = 2;  // told something last: the show starts again there
    state.showSinceMs = 10000;
    EXPECT_EQ(ShowBoard(state, kColumns, 10000).slotIndex, 2);
    EXPECT_EQ(ShowBoard(state, kColumns, 10000 + kHoldMs).slotIndex, 0);

    const Board dark = ShowBoard(SignState{}, kColumns, 0);
    EXPECT_EQ(dark.slotIndex, -1);
    EXPECT_EQ(LitExtent(dark), kDark);
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

// A row wider than the board starts at its left edge; a scroll from the
// right runs on until its end is in.
TEST(SignDisplayTest, RowWiderThanTheBoard)
{
    const std::u16string longText(100, u'W');  // 599 LEDs wide
    const SignState scroll = OneRowOf(longText, 1);
    EXPECT_EQ(EntryMs(scroll, 0, kColumns), 599 * 20);
    EXPECT_EQ(LitExtent(ShowBoard(scroll, kColumns, 599 * 20))[1], 63);
    EXPECT_EQ(LitExtent(ShowBoard(OneRowOf(longText, 9), kColumns, 0))[0], 0);
    EXPECT_EQ(LitExtent(ShowEnteredSlot(OneRowOf(longText, 0), 0, kMaxBoardColumns, 0))[1], kMaxBoardColumns - 1);
}

TEST(SignFontTest, EveryCodeOfTheTableHasAGlyphOfItsOwn)
{
    const Glyph& box = SignGlyph(u'\uFFFD');
    std::set<Glyph> seen;
    for (int code = 0; code <= 122; ++code) {
        const char16_t unit = SignCodeCharacter(code);
        const bool inTable = unit != u'\uFFFD';
        EXPECT_EQ(inTable, code != 106 && code != 107 && code != 116 && code != 121) << code;
        if (!inTable)
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
