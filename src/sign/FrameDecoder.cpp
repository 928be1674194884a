#include "sign/FrameDecoder.h"

#include "link/SignCharCode.h"

namespace velnar::sign {

namespace {

// Byte offsets within a frame, counted from 0.
namespace text {
constexpr int kAnimation = 0;
constexpr int kBlockCount = 1;
constexpr int kBlockNumber = 2;
constexpr int kSlotIndex = 3;
constexpr int kNotSelected = 4;
constexpr int kRow = 5;
constexpr int kLayout = 6;  // character count in the high nibble, the two-row flag in bit 0
constexpr int kCodes = 7;
}  // namespace text

namespace settings {
constexpr int kBrightness = 1;
constexpr int kSpeed = 2;
constexpr int kSlotIndex = 3;
constexpr int kRow = 4;
}  // namespace settings

namespace clock {
constexpr int kYear = 1;
constexpr int kMonth = 2;
constexpr int kWeekday = 3;
constexpr int kDay = 4;
constexpr int kHour = 5;
constexpr int kMinute = 6;
constexpr int kSecond = 7;
constexpr int kSlotIndex = 8;
constexpr int kClockFlag = 9;
}  // namespace clock

constexpr int kCommand = 0;

int At(const link::Frame& frame, int offset)
{
    return frame[static_cast<std::size_t>(offset)];
}

}  // namespace

int DecodedFrame::SlotIndex() const
{
    switch (kind) {
    case FrameKind::Text:
    case FrameKind::Blank: return text.slotIndex;
    case FrameKind::Settings: return settings.slotIndex;
    case FrameKind::Clock: return clock.slotIndex;
    }
    return text.slotIndex;
}

std::u16string DecodedFrame::Characters() const
{
    std::u16string characters;
    for (int i = 0; i < text.characterCount && i < link::kCharactersPerBlock; ++i)
        characters.push_back(link::SignCodeCharacter(text.codes[static_cast<std::size_t>(i)]));
    return characters;
}

DecodedFrame DecodeFrame(const link::Frame& frame)
{
    DecodedFrame decoded;
    const int command = At(frame, kCommand);
    if (command == link::kSettingsCommand) {
        decoded.kind = FrameKind::Settings;
        decoded.settings = {At(frame, settings::kBrightness), At(frame, settings::kSpeed),
                            At(frame, settings::kSlotIndex), At(frame, settings::kRow)};
    } else if (command == link::kClockCommand) {
        decoded.kind = FrameKind::Clock;
        decoded.clock = {At(frame, clock::kYear),   At(frame, clock::kMonth),     At(frame, clock::kWeekday),
                         At(frame, clock::kDay),    At(frame, clock::kHour),      At(frame, clock::kMinute),
                         At(frame, clock::kSecond), At(frame, clock::kSlotIndex), At(frame, clock::kClockFlag)};
    } else {
        // Any other first byte is a row's animation: an unselected one goes
        // out as 0xFF and the sign still takes the row.
        link::TextBlock& block = decoded.text;
        block.animation = At(frame, text::kAnimation);
        block.blockCount = At(frame, text::kBlockCount);
        block.blockNumber = At(frame, text::kBlockNumber);
        block.slotIndex = At(frame, text::kSlotIndex);
        block.notSelected = At(frame, text::kNotSelected);
        block.row = At(frame, text::kRow);
        block.characterCount = At(frame, text::kLayout) >> 4;
        block.twoRowFlag = At(frame, text::kLayout) & 0x01;
        for (int i = 0; i < link::kCharactersPerBlock; ++i)
            block.codes[static_cast<std::size_t>(i)] = At(frame, text::kCodes + i);
        decoded.kind = block.characterCount == 0 ? FrameKind::Blank : FrameKind::Text;
    }
    return decoded;
}

bool ChecksumMatches(const link::Frame& frame)
{
    int sum = 0;
    for (int i = 0; i < link::kFrameSize - 1; ++i)
        sum += At(frame, i);
    return (sum & 0xFF) == At(frame, link::kFrameSize - 1);
}

}  // namespace velnar::sign
