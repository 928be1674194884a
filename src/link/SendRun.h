#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/SignLink.h"
#include "link/SlotSender.h"

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {

// How a window or a tool tells the operator about a send.
class SendNotices {
public:
    virtual ~SendNotices() = default;
    virtual void RowNotSent(const std::string& message) = 0;
    // "Equipment Error!": the sign did not take a frame of a slot sent alone.
    virtual void EquipmentError(const std::string& details) = 0;
    virtual void SendComplete(CompletionNotice kind) = 0;
    // Everything a run did not get onto the sign, told once at its end.
    virtual void RunReport(const std::string& report) = 0;
};

// Where a run stands: slot `slot` is the position-th of count, with about
// leftMs to go.
struct RunProgress {
    int position = 0;  // 1..count; 0 before the first slot
    int count = 0;
    int slot = 0;
    std::int64_t leftMs = 0;
    int percent = 0;  // of the whole run's time
    // While the sign asks for the frame on the line again and again:
    // "slot 3, TEXT row 1: sent 4 times, the sign asks again"; else empty.
    std::string repeat;
};

// One slot of a run as it ended: its content as sent (as reckoned from the
// table for a slot not begun), whether the sign took it whole, and whether
// frames of it are missing for want of the sign or the line: Stop, a port
// that stopped working, frames refused or unanswered.
struct SlotResult {
    int slot = 0;
    SlotSnapshot content;
    bool takenWhole = false;
    bool framesMissing = false;
};

// "1:05": minutes and seconds, rounded up.
std::string MinutesSeconds(std::int64_t ms);

// A page or SEND ALL ends early when this many frames in a row got no byte
// at all from the sign: a sign switched off would cost minutes, and nothing
// reaches it.
constexpr int kSilentFramesToGiveUp = 3;

// One send the operator started: a slot, a page or SEND ALL. It follows
// the slots as they are sent, tells how far the run is and how long it
// still takes, from each frame kind's pacing, corrected as frames end (a
// resend or a retry adds its real time), takes the operator's Stop, and at
// the end says what the sign did not take.
class SendRun {
public:
    using Clock = std::function<std::int64_t()>;  // milliseconds

    // `slots` in the order they will be sent; until a slot is begun, its
    // time is reckoned from the table.
    // `byteMarginMs` is the link's margin after every byte, which each
    // sending of a frame takes on top of its pacing.
    SendRun(std::vector<int> slots, const model::MessageTable& table, Clock now, int byteMarginMs = 0);

    // Sends one slot of the run and counts its frames in as they end (the
    // sender's own frameEnded, if any, is told after); false
    // once the run has been halted, before the slot (which is then not
    // begun) or in it.
    bool SendSlot(SlotSender& sender, const SlotSnapshot& snapshot, const SlotSender::Progress& progress = {});
    void FrameEnded(const ExchangeTally& tally);
    void FrameRepeats(int sendings);

    // Ends the run after the frame on the line; the rest is not sent.
    void Stop() { stopped_ = true; }
    bool Stopped() const { return stopped_; }
    // Stopped, or given up on a sign that says nothing: no further sync
    // byte goes out.
    bool Halted() const { return stopped_ || gaveUp_; }

    // A run over both pages (SEND ALL) whose page-1 slots have all ended
    // and whose page-2 slots wait for page 2 to go on with it.
    bool FirstHalfDone() const;

    RunProgress Progress() const;
    bool TookEverything() const;
    // The report of all that the sign did not take; empty when it took
    // everything. `portProblem` is why the port does not work, if it does not.
    std::string Report(const std::string& portProblem) const;
    std::vector<SlotResult> Results() const;


    // The notices at the end: a slot sent alone keeps its own (rows too
    // long, the equipment error, the completion notice) unless the run was
    // cut short; a page or SEND ALL gives its completion notice when the
    // sign took everything, else the one report. `afterword` (whole lines)
    // ends the report or the equipment error, or follows the completion
    // notice as a report of its own.
    void Present(SendNotices& notices, const std::string& portProblem, const std::string& afterword = {}) const;

private:
    void SlotBegins(const SlotSnapshot& snapshot);
    void SlotEnds(const SendOutcome& outcome);

    struct Slot {
        int slot;
        SlotSnapshot content;  // from the table until the slot is begun
        std::vector<PlannedFrame> frames;  // those not yet ended
        bool begun = false;
        bool ended = false;
        SendOutcome outcome;
    };

    std::int64_t SlotMs(const Slot& slot) const;
    std::int64_t OnLineMs(const PlannedFrame& frame, std::int64_t nowMs) const;
    std::string NotSentReason(const std::string& portProblem) const;

    std::vector<Slot> slots_;
    Clock now_;
    std::int64_t startMs_;
    std::int64_t sendingMarginMs_;
    std::int64_t frameStartMs_ = 0;
    int current_ = -1;
    int sendings_ = 0;  // of the frame on the line, once the sign asked for it again
    int silentInARow_ = 0;
    bool anythingSent_ = false;
    bool stopped_ = false;
    bool gaveUp_ = false;
};

}  // namespace velnar::link
