#include "sign/VirtualSign.h"

#include "sign/VirtualLine.h"
#include "sign/FrameDecoder.h"

namespace velnar::sign {

namespace {

// A packed decimal byte, or -1 when a digit is above 9.
int Unbcd(int value)
{
    if ((value >> 4) > 9 || (value & 0x0F) > 9)
        return -1;
    return (value >> 4) * 10 + (value & 0x0F);
}

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int month, int year)
{
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// The clock frame's date and time, unless one of them cannot be.
std::optional<SignClock> DecodeClock(const ClockFields& fields)
{
    const int year = Unbcd(fields.year);
    const SignClock clock{2000 + year,           Unbcd(fields.month),  fields.weekday,
                          Unbcd(fields.day),     Unbcd(fields.hour),   Unbcd(fields.minute),
                          Unbcd(fields.second)};
    const bool possible = year >= 0 && clock.month >= 1 && clock.month <= 12 && clock.weekday >= 1 &&
                          clock.weekday <= 7 && clock.day >= 1 && clock.day <= DaysInMonth(clock.month, clock.year) &&
                          clock.hour >= 0 && clock.hour <= 23 && clock.minute >= 0 && clock.minute <= 59 &&
                          clock.second >= 0 && clock.second <= 59;
    if (!possible)
        return std::nullopt;
    return clock;
}

}  // namespace

VirtualSign::VirtualSign(SignFaults faults) : faults_(faults) {}

std::optional<VirtualSign::FrameEvent> VirtualSign::TakeFrame()
{
    std::optional<FrameEvent> frame = std::move(lastFrame_);
    lastFrame_.reset();
    return frame;
}

std::optional<VirtualSign::Reply> VirtualSign::AnswerOf(const link::Frame& frame)
{
    if (answer_)
        return answer_(frame);
    if (faults_.readyOnly)
        return std::nullopt;
    if (faults_.garbage)
        return Reply{kGarbageByte, 0};
    if (faults_.refuseFrames > 0) {
        --faults_.refuseFrames;
        return Reply{link::kResendByte, 0};
    }
    return Reply{link::kAcceptByte, faults_.lateMs};
}

std::optional<VirtualSign::Reply> VirtualSign::OnByte(int byte, std::int64_t nowMs)
{
    if (receiving_ && nowMs - lastByteAtMs_ > kFrameTimeoutMs)
        receiving_ = false;
    lastByteAtMs_ = nowMs;

    if (!receiving_) {
        if (byte != link::kSyncByte || faults_.silent)
            return std::nullopt;
        if (faults_.ignoreSyncBytes > 0) {
            --faults_.ignoreSyncBytes;
            return std::nullopt;
        }
        receiving_ = true;
        received_ = 0;
        return Reply{link::kReadyByte, 0};
    }

    frame_[static_cast<std::size_t>(received_++)] = static_cast<std::uint8_t>(byte);
    if (received_ < link::kFrameSize)
        return std::nullopt;
    receiving_ = false;

    FrameEvent event{frame_, Verdict::BadChecksum, -1};
    std::optional<Reply> reply = Reply{link::kResendByte, 0};
    if (ChecksumMatches(frame_)) {
        reply = AnswerOf(frame_);
        event.verdict = !reply                           ? Verdict::Unanswered
                        : reply->byte == link::kAcceptByte ? Verdict::Accepted
                                                           : Verdict::Refused;
    }
    if (faults_.silentAfterFrames > 0 && --faults_.silentAfterFrames == 0)
        faults_.silent = true;
    if (event.verdict == Verdict::Accepted) {
        Take(frame_, nowMs);
        event.slotIndex = DecodeFrame(frame_).SlotIndex();
    }
    lastFrame_ = event;
    return reply;
}

void VirtualSign::Take(const link::Frame& frame, std::int64_t nowMs)
{
    const DecodedFrame decoded = DecodeFrame(frame);
    if (decoded.kind == FrameKind::Clock) {
        state_.clock = DecodeClock(decoded.clock);
        state_.clockSetAtMs = nowMs;
    }
    const int slotIndex = decoded.SlotIndex();
    if (slotIndex >= kSlotCount)
        return;
    state_.showFromSlot = slotIndex;
    state_.showSinceMs = nowMs;
    SignSlot& slot = state_.slotStates[static_cast<std::size_t>(slotIndex)];

    switch (decoded.kind) {
    case FrameKind::Clock: slot.clockRow = decoded.clock.clockFlag != 0; return;
    case FrameKind::Settings: {
        const link::RowSettings& settings = decoded.settings;
        if (settings.row == 1 || settings.row == 2) {
            slot.rows[static_cast<std::size_t>(settings.row - 1)].brightness = settings.brightness;
            slot.rows[static_cast<std::size_t>(settings.row - 1)].speed = settings.speed;
        }
        return;
    }
    case FrameKind::Text:
    case FrameKind::Blank: break;
    }

    // Text and blank frames: blocks of 12 placed by their block number.
    const link::TextBlock& block = decoded.text;
    if (block.row != 1 && block.row != 2)
        return;
    SignSlot::Row& target = slot.rows[static_cast<std::size_t>(block.row - 1)];
    target.animation = block.animation;
    slot.selected = block.notSelected == 0;
    slot.twoRows = block.twoRowFlag != 0;
    if (block.blockNumber == 0)
        target.text.clear();
    const std::size_t start = static_cast<std::size_t>(block.blockNumber) * link::kCharactersPerBlock;
    if (target.text.size() < start)
        target.text.resize(start, u' ');
    target.text.resize(start);
    target.text += decoded.Characters();
}

void AttachSign(VirtualLine& line, VirtualSign& sign)
{
    line.onWrite = [&line, &sign](int byte) {
        if (const auto reply = sign.OnByte(byte, line.Now()))
            line.Deliver(reply->byte, line.Now() + reply->delayMs);
    };
}

}  // namespace velnar::sign
