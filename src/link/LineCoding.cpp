#include "link/LineCoding.h"

#include <array>

namespace velnar::link {

namespace {

constexpr std::array<int, 20> kSpeeds = {
    50,   75,   110,  134,   150,   300,   600,    1200,   1800,   2400,
    4800, 7200, 9600, 19200, 38400, 57600, 115200, 230400, 460800, 921600,
};

constexpr int kDataBitsMask = 0x03;
constexpr int kTwoStopBits = 0x04;
constexpr int kParityMask = 0x38;

}  // namespace

std::optional<LineFormat> DecodeLineCoding(int speedCode, int lineModeCode)
{
    if (speedCode < 0 || speedCode >= static_cast<int>(kSpeeds.size()))
        return std::nullopt;
    if (lineModeCode < 0 || (lineModeCode & ~(kDataBitsMask | kTwoStopBits | kParityMask)) != 0)
        return std::nullopt;

    LineFormat format;
    format.bitsPerSecond = kSpeeds[static_cast<std::size_t>(speedCode)];
    format.dataBits = 5 + (lineModeCode & kDataBitsMask);
    format.stopBits = (lineModeCode & kTwoStopBits) ? 2 : 1;
    switch (lineModeCode & kParityMask) {
    case 0x00: format.parity = Parity::None; break;
    case 0x08: format.parity = Parity::Odd; break;
    case 0x18: format.parity = Parity::Even; break;
    case 0x28: format.parity = Parity::Mark; break;
    case 0x38: format.parity = Parity::Space; break;
    default: return std::nullopt;
    }
    return format;
}

}  // namespace velnar::link
