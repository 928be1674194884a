#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sign/VirtualSign.h"

namespace velnar::sign {

// The sign's LED matrix: 16 LEDs high, as wide as the model ordered.
constexpr int kBoardRows = 16;
constexpr int kDefaultBoardColumns = 128;
constexpr int kMinBoardColumns = 64;
constexpr int kMaxBoardColumns = 512;

// After its entry animation a slot stays on the board this long.
constexpr std::int64_t kHoldMs = 2000;

// What every LED shows at one moment.
struct Board {
    int columns = kDefaultBoardColumns;
    std::vector<std::uint8_t> leds;  // row by row, top first: 0 dark, 1 to 3 lit from dimmest to brightest
    int slotIndex = -1;              // the slot on the board; -1 when it is dark

    std::uint8_t At(int column, int row) const
    {
        return leds[static_cast<std::size_t>(row * columns + column)];
    }
};

// The LED intensity (1 to 3) of a row's brightness and the milliseconds
// per animation step of its speed: the stored levels 0, 4 and 8 are the
// items "1", "2" and "3"; any other value counts as the nearest of them.
int LedLevel(int brightness);
int StepMs(int speed);

// How many characters of a row stand whole on a board `columns` wide: the
// font is doubled for the one row of a one-row slot.
int CharactersThatFit(int columns, bool twoRows);

// The time of the sign's clock row at nowMs: "HH:MM:SS", running on from the
// last clock frame, or "--:--:--" while the sign has no possible time.
std::u16string ClockText(const SignState& state, std::int64_t nowMs);

// How long the slot takes to enter the board: its slower row's animation.
std::int64_t EntryMs(const SignState& state, int slotIndex, int columns);

// The board at nowMs. The sign shows the slots that hold text or a clock
// row in slot order, each entering and then holding for kHoldMs, over and
// over; the show starts at state.showFromSlot at state.showSinceMs.
Board ShowBoard(const SignState& state, int columns, std::int64_t nowMs);

// The board as it shows one slot once its entry animation has ended, for a
// slot that starts to enter at startMs.
Board ShowEnteredSlot(const SignState& state, int slotIndex, int columns, std::int64_t startMs);

}  // namespace velnar::sign
