#include "link/FrameSender.h"

#include "link/Frame.h"
#include "link/LocalClock.h"
#include "link/SignCharCode.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"

namespace velnar::link {

FrameSender::FrameSender(SignLink& link, const LocalClock& clock, model::MessageTable& table)
    : link_(link), clock_(clock), table_(table)
{
}

void FrameSender::SendRowText(const std::u16string& text, const TextBlock& row, const AcceptedNotice& onAccepted)
{
    const int length = static_cast<int>(text.size());
    if (length == 0)
        return;

    const int blockCount = (length + kCharactersPerBlock - 1) / kCharactersPerBlock;
    const int remainder = length % kCharactersPerBlock;
    blockCounter = 0;
    for (int block = 0; block < blockCount; ++block) {
        TextBlock frame = row;
        frame.blockCount = blockCount;
        frame.blockNumber = blockCounter;
        frame.characterCount =
            (blockCounter == blockCount - 1 && remainder != 0) ? remainder : kCharactersPerBlock;
        for (int i = 0; i < kCharactersPerBlock; ++i) {
            const int unit = block * kCharactersPerBlock + i;
            frame.codes[static_cast<std::size_t>(i)] =
                unit < length ? SignCharCode(text[static_cast<std::size_t>(unit)]) : 0;
        }
        if (link_.ExchangeFrame(BuildTextFrame(frame), ExchangeKind::TextFrame)) {
            ++blockCounter;
            if (onAccepted)
                onAccepted();
        }
    }
}

void FrameSender::SendBlankRow(const TextBlock& row, const AcceptedNotice& onAccepted)
{
    if (link_.ExchangeFrame(BuildBlankFrame(row), ExchangeKind::BlankFrame) && onAccepted)
        onAccepted();
}

void FrameSender::SendRowSettings(const RowSettings& settings)
{
    const ExchangeKind kind = settings.slotIndex < model::kSlotsPerPage ? ExchangeKind::SettingsFramePage1
                                                                        : ExchangeKind::SettingsFramePage2;
    if (link_.ExchangeFrame(BuildSettingsFrame(settings), kind))
        table_.sendComplete = 1;
}

void FrameSender::SendClock(int clockFlag, int slotIndex)
{
    link_.ExchangeFrame(BuildClockFrame(clock_.Now(), clockFlag, slotIndex), ExchangeKind::ClockFrame);
}

}  // namespace velnar::link
