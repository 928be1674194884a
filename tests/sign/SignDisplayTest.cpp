#include <gtest/gtest.h>

#include <array>

#include "sign/SignDisplay.h"

namespace velnar::sign {
namespace {

using namespace link;

constexpr int kColumns = 64;

// A board's outermost lit LEDs {first/last column, first/last row}; -1 when dark.
using Extent = std::array<int, 4>;

Extent LitExtent(const Board& board)
{
    Extent e = {-1, -1, -1, -1};
    for (int r = 0; r < kBoardRows; ++r) {
        for (int c = 0; c < board.columns; ++c) {
            if (board.At(c, r))
                e = {e[0] < 0 ? c : std::min(e[0], c), std::max(e[1], c), e[2] < 0 ? r : e[2], r};
        }
    }
    return e;
}

SignState OneRowOf(std::u16string text, int animation, bool twoRows = true)
{
    SignState state;
    state.slotStates[0].twoRows = twoRows;
    state.slotStates[0].rows[0] = {std::move(text), animation, 8, 8};
    return state;
}

// "AB" rests at columns 26 to 36 of 64; each animation brings it from its own side.
TEST(SignDisplayTest, EachAnimationEntersItsWayAndRowsFillTheBoard)
{
    const struct { const char* what; SignState state; int atMs; Extent lit; } cases[] = {
        {"from the left edge", OneRowOf(u"AB", 0), 100, {0, 4, 0, 6}},
        {"from the right edge", OneRowOf(u"AB", 1), 100, {59, 63, 0, 6}},
        {"dropping from the top", OneRowOf(u"AB", 2), 60, {26, 36, 0, 1}},
        {"rising from the bottom, within its half", OneRowOf(u"AB", 3), 60, {26, 36, 5, 7}},
        {"a curtain opening from the centre", OneRowOf(u"AB", 4), 60, {29, 34, 0, 6}},
        {"no animation: at rest at once", OneRowOf(u"AB", 9), 0, {26, 36, 0, 6}},
        {"at rest once in", OneRowOf(u"AB", 0), 5000, {26, 36, 0, 6}},
        {"one row, doubled font", OneRowOf(u"I", 9, false), 0, {29, 34, 1, 14}},
        {"wider than the board", OneRowOf(std::u16string(100, u'W'), 9), 0, {0, 63, 0, 6}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LitExtent(ShowBoard(c.state, kColumns, c.atMs)), c.lit) << c.what;

    // Two rows: row 2 in the lower half, each at its own brightness.
    SignState two = OneRowOf(u"I", 9);
    two.slotStates[0].rows[1] = {u"I", 9, 0, 0};
    const Board board = ShowBoard(two, kColumns, 0);
    EXPECT_EQ(board.At(31, 1), 3);
    EXPECT_EQ(board.At(31, 7), 0);
    EXPECT_EQ(board.At(31, 8), 1);
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
    EXPECT_EQ(ClockText(state, 2999), u"23:59:59");
    EXPECT_EQ(ClockText(state, 3000), u"00:00:00");

    // A clock row alone is enough to show the slot; it fills the lower half.
    const Board board = ShowEnteredSlot(state, 4, kColumns, now);
    EXPECT_EQ(board.slotIndex, 4);
    EXPECT_EQ(LitExtent(board)[2], 8);

    // 30 February leaves the sign without a time to show.
    deliver(SealFrame({kClockCommand, 0x07, 0x02, 3, 0x30, 0x14, 0x05, 0x09, 4, 1}));
    EXPECT_FALSE(sign.Clock().has_value());
    EXPECT_EQ(ClockText(sign.State(), now), u"--:--:--");
}

}  // namespace
}  // namespace velnar::sign
