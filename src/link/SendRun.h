#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

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
};

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
    SendRun(std::vector<int> slots, const model::MessageTable& table, Clock now);

    // Sends one slot of the run and counts it in; false once the run has
    // been halted, also before the slot, which is then not begun.
    bool SendSlot(SlotSender& sender, const SlotSnapshot& snapshot, const SlotSender::Progress& progress = {});
    void FrameEnded();

    // Ends the run after the frame on the line; the rest is not sent.
    void Stop() { stopped_ = true; }
    bool Stopped() const { return stopped_; }

    RunProgress Progress() const;
    bool TookEverything() const;
    // The report of all that the sign did not take; empty when it took
    // everything. `portProblem` is why the port does not work, if it does not.
    std::string Report(const std::string& portProblem) const;

    // The notices at the end: a slot sent alone keeps its own (rows too
    // long, the equipment error, the completion notice) unless the run was
    // cut short; a page or SEND ALL gives its completion notice when the
    // sign took everything, else the one report.
    void Present(SendNotices& notices, const std::string& portProblem) const;

private:
    void SlotBegins(const SlotSnapshot& snapshot);
    void SlotEnds(const SendOutcome& outcome);

    struct Slot {
        int slot;
        std::vector<int> frameMs;  // nominal, of the frames not yet ended
        bool begun = false;
        bool ended = false;
        SendOutcome outcome;
    };

    std::int64_t SlotMs(const Slot& slot) const;

    std::vector<Slot> slots_;
    Clock now_;
    std::int64_t startMs_;
    std::int64_t frameStartMs_ = 0;
    int current_ = -1;
    bool stopped_ = false;
};

}  // namespace velnar::link
