#include "link/Frame.h"

namespace velnar::link {

Frame SealFrame(const std::array<int, kFrameSize - 1>& content)
{
    Frame frame{};
    int sum = 0;
    for (std::size_t i = 0; i < content.size(); ++i) {
        frame[i] = static_cast<std::uint8_t>(content[i] & 0xFF);
        sum += content[i];
    }
    frame[kFrameSize - 1] = static_cast<std::uint8_t>(sum & 0xFF);
    return frame;
}

Frame BuildTextFrame(const TextBlock& block)
{
    std::array<int, kFrameSize - 1> content{};
    content[0] = block.animation;
    content[1] = block.blockCount;
    content[2] = block.blockNumber;
    content[3] = block.slotIndex;
    content[4] = block.notSelected;
    content[5] = block.row;
    content[6] = block.characterCount * 16 + block.twoRowFlag;
    for (int i = 0; i < kCharactersPerBlock; ++i)
        content[static_cast<std::size_t>(7 + i)] = block.codes[static_cast<std::size_t>(i)];
    return SealFrame(content);
}

Frame BuildBlankFrame(const TextBlock& header)
{
    TextBlock block = header;
    block.blockCount = 1;
    block.blockNumber = 0;
    block.characterCount = 0;
    block.codes = {};
    return BuildTextFrame(block);
}

Frame BuildSettingsFrame(const RowSettings& settings)
{
    return SealFrame({kSettingsCommand, settings.brightness, settings.speed, settings.slotIndex, settings.row});
}

Frame BuildClockFrame(const LocalDateTime& now, int clockFlag, int slotIndex)
{
    return SealFrame({
        kClockCommand,
        Bcd(now.year - 2000),
        Bcd(now.month),
        SignWeekday(now.dayOfWeek),
        Bcd(now.day),
        Bcd(now.hour),
        Bcd(now.minute),
        Bcd(now.second),
        slotIndex,
        clockFlag,
    });
}

}  // namespace velnar::link
