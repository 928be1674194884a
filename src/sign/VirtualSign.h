#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "link/Frame.h"
#include "model/MessageTable.h"

namespace velnar::sign {

class VirtualLine;

// Faults a virtual sign can play, to try the program's handling of them.
struct SignFaults {
    bool silent = false;        // never answers anything
    int refuseFrames = 0;       // answers the first N frames with the resend byte
    int lateMs = 0;             // sends each accept byte this much later
    int ignoreSyncBytes = 0;    // leaves the first N sync bytes unanswered
    bool readyOnly = false;     // answers sync bytes, never a frame
    bool garbage = false;       // answers every frame with a byte that means nothing
    int silentAfterFrames = 0;  // answers N frames, then nothing at all; 0: never falls silent
};

// What a sign on a bad line answers a frame with: neither accept nor resend.
constexpr int kGarbageByte = 0x55;

// What the sign holds for one slot, as decoded from the frames it accepted.
struct SignSlot {
    struct Row {
        std::u16string text;
        int animation = 0;
        int brightness = 0;
        int speed = 0;

        bool operator==(const Row& other) const
        {
            return text == other.text && animation == other.animation && brightness == other.brightness &&
                   speed == other.speed;
        }
    };
    std::array<Row, 2> rows{};
    bool twoRows = true;
    bool selected = false;
    bool clockRow = false;

    bool operator==(const SignSlot& other) const
    {
        return rows == other.rows && twoRows == other.twoRows && selected == other.selected &&
               clockRow == other.clockRow;
    }
    bool operator!=(const SignSlot& other) const { return !(*this == other); }
};

// The date and time of the last clock frame; a frame with an impossible
// date or time (month 13, a packed digit above 9) leaves the sign without one.
struct SignClock {
    int year = 0;  // 2000 + the frame's year
    int month = 0;
    int weekday = 0;  // 1 = Monday ... 7 = Sunday
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Everything the sign shows, as its accepted frames left it. A slot that is
// told anything starts the sign's show again from that slot.
struct SignState {
    std::array<SignSlot, model::kSlotCount> slotStates{};
    std::optional<SignClock> clock;
    std::int64_t clockSetAtMs = 0;  // when the last clock frame arrived
    int showFromSlot = 0;
    std::int64_t showSinceMs = 0;
};

// The sign's side of the handshake, without any I/O: it is fed the bytes
// from the line with their time and says what to answer, and when. It
// answers a sync byte with the ready byte, takes the next 20 bytes as a
// frame, checks its sum, and answers with the accept or the resend byte.
class VirtualSign {
public:
    struct Reply {
        int byte;
        int delayMs;
    };

    enum class Verdict { Accepted, Refused, BadChecksum, Unanswered };
    struct FrameEvent {
        link::Frame frame;
        Verdict verdict;
        int slotIndex;  // the slot an accepted frame spoke of, -1 otherwise
    };

    // How the sign answers a whole frame with a right sum: the accept byte
    // takes it, any other byte refuses it, no reply leaves it unanswered.
    // Without one the sign answers as its faults say.
    using Answer = std::function<std::optional<Reply>(const link::Frame&)>;

    // A frame that stops half-way is dropped once the line has been quiet
    // for longer than any wait the program keeps between frame bytes (at
    // most 100 ms), with room for a busy machine that wakes the sender late.
    static constexpr int kFrameTimeoutMs = 250;
    static constexpr int kSlotCount = model::kSlotCount;

    explicit VirtualSign(SignFaults faults = {});

    void SetAnswer(Answer answer) { answer_ = std::move(answer); }
    SignFaults& Faults() { return faults_; }

    // The reply to one byte from the program that arrived at nowMs, if any.
    std::optional<Reply> OnByte(int byte, std::int64_t nowMs);

    // The report of the frame that the last OnByte completed, told once.
    std::optional<FrameEvent> TakeFrame();

    const SignState& State() const { return state_; }
    const SignSlot& Slot(int slotIndex) const { return state_.slotStates[static_cast<std::size_t>(slotIndex)]; }
    const std::optional<SignClock>& Clock() const { return state_.clock; }

private:
    std::optional<Reply> AnswerOf(const link::Frame& frame);
    void Take(const link::Frame& frame, std::int64_t nowMs);

    SignFaults faults_;
    Answer answer_;
    bool receiving_ = false;
    std::int64_t lastByteAtMs_ = 0;
    link::Frame frame_{};
    int received_ = 0;
    std::optional<FrameEvent> lastFrame_;
    SignState state_;
};

// Puts `sign` on the far end of `line`: it hears every byte and its replies
// come back after their delay.
void AttachSign(VirtualLine& line, VirtualSign& sign);

}  // namespace velnar::sign
