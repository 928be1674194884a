#include "link/FrameSender.h"

#include "link/LocalClock.h"
#include "link/SignCharCode.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"

namespace velnar::link {

FrameSender::FrameSender(SignLink& link, const LocalClock& clock, model::MessageTable& table)
    : link_(link), clock_(clock), table_(table)
{
}

ExchangeResult FrameSender::Exchange(const Frame& frame, ExchangeKind kind, int row)
{
    const ExchangeResult result = link_.ExchangeFrame(frame, kind);
    if (frameEnded)
        frameEnded(kind, row, result);
    return result;
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
        if (Exchange(BuildTextFrame(frame), ExchangeKind::TextFrame, row.row) == ExchangeResult::Accepted) {
            ++blockCounter;
            if (onAccepted)
                onAccepted();
        }
    }
}

void FrameSender::SendBlankRow(const TextBlock& row, const AcceptedNotice& onAccepted)
{
    if (Exchange(BuildBlankFrame(row), ExchangeKind::BlankFrame, row.row) == ExchangeResult::Accepted && onAccepted)
        onAccepted();
}

void FrameSender::SendRowSettings(const RowSettings& settings)
{
    const ExchangeKind kind = settings.slotIndex < model::kSlotsPerPage ? ExchangeKind::SettingsFramePage1
                                                                        : ExchangeKind::SettingsFramePage2;
    if (Exchange(BuildSettingsFrame(settings), kind, settings.row) == ExchangeResult::Accepted)
        table_.sendComplete = 1;
}

void FrameSender::SendClock(int clockFlag, int slotIndex)
{
    Exchange(BuildClockFrame(clock_.Now(), clockFlag, slotIndex), ExchangeKind::ClockFrame, 0);
}

}  // namespace velnar::link
