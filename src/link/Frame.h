#pragma once

#include <array>
#include <cstdint>

#include "link/LocalClock.h"

namespace velnar::link {

// Handshake bytes of the sign.
constexpr int kSyncByte = 0xAA;    // program: get ready for a frame
constexpr int kReadyByte = 0xAB;   // sign: ready, send the frame
constexpr int kAcceptByte = 0xFE;  // sign: frame received and accepted
constexpr int kResendByte = 0xFD;  // sign: frame not accepted, send it again

constexpr int kFrameSize = 20;
constexpr int kCharactersPerBlock = 12;
constexpr int kSettingsCommand = 5;
constexpr int kClockCommand = 7;

// Every frame is 19 content bytes and their sum modulo 256. Content values
// outside 0..255 (an unselected animation gives -1) go out as their low 8
// bits, and the checksum adds the same values, so it matches the bytes sent.
using Frame = std::array<std::uint8_t, kFrameSize>;

Frame SealFrame(const std::array<int, kFrameSize - 1>& content);

struct TextBlock {
    int animation = 0;
    int blockCount = 1;
    int blockNumber = 0;
    int slotIndex = 0;
    int notSelected = 0;
    int row = 1;
    int characterCount = kCharactersPerBlock;  // 1..12; 0 for a blank row
    int twoRowFlag = 1;
    std::array<int, kCharactersPerBlock> codes{};
};

// A row's brightness and speed, stored levels 0, 4 or 8.
struct RowSettings {
    int brightness = 0;
    int speed = 0;
    int slotIndex = 0;
    int row = 1;
};

Frame BuildTextFrame(const TextBlock& block);
// A row with no text: the block's header with no characters.
Frame BuildBlankFrame(const TextBlock& header);
Frame BuildSettingsFrame(const RowSettings& settings);
Frame BuildClockFrame(const LocalDateTime& now, int clockFlag, int slotIndex);

// Packed decimal: 59 becomes 0x59.
constexpr int Bcd(int value) { return (value / 10) * 16 + value % 10; }

// The sign counts weekdays 1 = Monday ... 7 = Sunday.
constexpr int SignWeekday(int calendarDayOfWeek)
{
    const int weekday = calendarDayOfWeek - 1;
    return weekday == 0 ? 7 : weekday;
}

}  // namespace velnar::link
