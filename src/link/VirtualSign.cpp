#include "link/VirtualSign.h"

#include "link/SignCharCode.h"

namespace velnar::link {

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
std::optional<SignClock> DecodeClock(const Frame& frame)
{
    const int year = Unbcd(frame[1]);
    const SignClock clock{2000 + year,     Unbcd(frame[2]), frame[3],       Unbcd(frame[4]),
                          Unbcd(frame[5]), Unbcd(frame[6]), Unbcd(frame[7])};
    const bool possible = year >= 0 && clock.month >= 1 && clock.month <= 12 && clock.weekday >= 1 &&
                          clock.weekday <= 7 && clock.day >= 1 && clock.day <= DaysInMonth(clock.month, clock.year) &&
                          clock.hour >= 0 && clock.hour <= 23 && clock.minute >= 0 && clock.minute <= 59 &&
                          clock.second >= 0 && clock.second <= 59;
    if (!possible)
        return std::nullopt;
    return clock;
}

bool ChecksumMatches(const Frame& frame)
{
    int sum = 0;
    for (int i = 0; i < kFrameSize - 1; ++i)
        sum += frame[static_cast<std::size_t>(i)];
    return (sum & 0xFF) == frame[kFrameSize - 1];
}

int SlotIndexOf(const Frame& frame)
{
    const int command = frame[0];
    if (command == kSettingsCommand)
        return frame[3];
    if (command == kClockCommand)
        return frame[8];
    return frame[3];
}

}  // namespace

VirtualSign::VirtualSign(SignFaults faults) : faults_(faults) {}

std::optional<VirtualSign::FrameEvent> VirtualSign::TakeFrame()
{
    std::optional<FrameEvent> frame = std::move(lastFrame_);
    lastFrame_.reset();
    return frame;
}

std::optional<VirtualSign::Reply> VirtualSign::OnByte(int byte, std::int64_t nowMs)
{
    if (receiving_ && nowMs - lastByteAtMs_ > kFrameTimeoutMs)
        receiving_ = false;
    lastByteAtMs_ = nowMs;

    if (!receiving_) {
        if (byte != kSyncByte || faults_.silent)
            return std::nullopt;
        if (faults_.ignoreSyncBytes > 0) {
            --faults_.ignoreSyncBytes;
            return std::nullopt;
        }
        receiving_ = true;
        received_ = 0;
        return Reply{kReadyByte, 0};
    }

    frame_[static_cast<std::size_t>(received_++)] = static_cast<std::uint8_t>(byte);
    if (received_ < kFrameSize)
        return std::nullopt;
    receiving_ = false;

    FrameEvent event{frame_, Verdict::Accepted, -1};
    if (!ChecksumMatches(frame_)) {
        event.verdict = Verdict::BadChecksum;
    } else if (faults_.refuseFrames > 0) {
        --faults_.refuseFrames;
        event.verdict = Verdict::Refused;
    }
    if (event.verdict == Verdict::Accepted) {
        Decode(frame_, nowMs);
        event.slotIndex = SlotIndexOf(frame_);
    }
    lastFrame_ = event;
    return event.verdict == Verdict::Accepted ? Reply{kAcceptByte, faults_.lateMs} : Reply{kResendByte, 0};
}

void VirtualSign::Decode(const Frame& frame, std::int64_t nowMs)
{
    const int command = frame[0];
    if (command == kClockCommand) {
        state_.clock = DecodeClock(frame);
        state_.clockSetAtMs = nowMs;
    }
    const int slotIndex = SlotIndexOf(frame);
    if (slotIndex >= kSlotCount)
        return;
    state_.showFromSlot = slotIndex;
    state_.showSinceMs = nowMs;
    SignSlot& slot = state_.slotStates[static_cast<std::size_t>(slotIndex)];

    if (command == kClockCommand) {
        slot.clockRow = frame[9] != 0;
        return;
    }

    if (command == kSettingsCommand) {
        const int row = frame[4];
        if (row == 1 || row == 2) {
            slot.rows[static_cast<std::size_t>(row - 1)].brightness = frame[1];
            slot.rows[static_cast<std::size_t>(row - 1)].speed = frame[2];
        }
        return;
    }

    // Text and blank frames: blocks of 12 placed by their block number.
    const int row = frame[5];
    if (row != 1 && row != 2)
        return;
    SignSlot::Row& target = slot.rows[static_cast<std::size_t>(row - 1)];
    target.animation = frame[0];
    slot.selected = frame[4] == 0;
    slot.twoRows = (frame[6] & 0x01) != 0;
    const int blockNumber = frame[2];
    const int characterCount = frame[6] >> 4;
    if (blockNumber == 0)
        target.text.clear();
    const std::size_t start = static_cast<std::size_t>(blockNumber) * kCharactersPerBlock;
    if (target.text.size() < start)
        target.text.resize(start, u' ');
    target.text.resize(start);
    for (int i = 0; i < characterCount && i < kCharactersPerBlock; ++i)
        target.text.push_back(SignCodeCharacter(frame[static_cast<std::size_t>(7 + i)]));
}

}  // namespace velnar::link
