#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "link/FrameSender.h"
#include "link/SlotSnapshot.h"

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {

class LocalClock;
class SignLink;
enum class ExchangeResult;

constexpr int kTwoRowLimit = 106;  // characters per row with two rows
constexpr int kOneRowLimit = 209;  // characters of the one long row

enum class CompletionNotice { None, Dialog, MessageBox };

// A row that was too long for its mode and therefore not sent.
struct SkippedRow {
    int slot;
    int row;
    int length;
    int limit;
};

// A frame the sign did not take: its kind, its row (0 for the clock) and
// whether the sign refused it or did not answer.
struct FrameFailure {
    ExchangeKind kind;
    int row;
    ExchangeResult result;
};

// What one slot's send left behind, and what the operator must be shown for
// it alone: the rows that were not sent, the equipment error, then the
// completion notice.
struct SendOutcome {
    std::vector<SkippedRow> skippedRows;
    std::vector<FrameFailure> failures;
    bool halted = false;  // frames were left out: Stop, or the port stopped working
    bool equipmentError = false;
    CompletionNotice completion = CompletionNotice::None;

    bool TookEverything() const { return skippedRows.empty() && failures.empty() && !halted; }
};

// One step of a slot's send.
struct SlotStep {
    enum class Kind { RowText, BlankRow, RowSettings, Clock, Pause, RowTooLong };
    Kind kind;
    int row;  // 1 or 2; 0 for the clock
};

// The steps of a slot's send in the order the sign needs them: each row's
// text or blank frame and its settings (slots 8 and 16 close a page with
// settings after a blank row too), the clock between the rows, no row 2
// when the clock box makes it the sign's clock row, no row 2 and no clock
// with one long row, and slot 1's pause after each row it sent.
std::vector<SlotStep> PlanSlot(const SlotSnapshot& snapshot);

// One frame of a slot's send: its kind, its row (0 for the clock) and its
// nominal duration with a sign that answers at once; a pause counts into the
// frame after it.
struct PlannedFrame {
    ExchangeKind kind;
    int row;
    int ms;
};
std::vector<PlannedFrame> PlanFrames(const SlotSnapshot& snapshot);
// The sum of those durations: the slot's send with a sign that answers at once.
std::int64_t NominalMs(const SlotSnapshot& snapshot);

// Sends one slot.
class SlotSender {
public:
    // Told when the page should paint "Sending Data!": for page-1 slots after
    // every accepted text or blank frame, for page-2 slots once at the start.
    using Progress = std::function<void()>;

    SlotSender(SignLink& link, const LocalClock& clock, model::MessageTable& table);

    // Takes the selectors' items into the table first (animation always,
    // brightness and speed for page-2 slots, whose pages have no handlers
    // that keep them current), then sends. Clears sendComplete and
    // equipmentError; the completion notice is due only when the sign took
    // every frame, no row was skipped, and no batch or SEND ALL withholds it.
    SendOutcome SendSlot(const SlotSnapshot& snapshot, const Progress& progress = {});

    // Told of every frame's end, for a run's progress.
    std::function<void()> frameEnded;

    SignLink& Link() { return link_; }

private:
    void TakeSelections(const SlotSnapshot& snapshot);
    void RunStep(const SlotSnapshot& snapshot, const SlotStep& step, const Progress& accepted,
                 SendOutcome& outcome);
    bool Withheld(int slot) const;

    SignLink& link_;
    model::MessageTable& table_;
    FrameSender frames_;
};

// The operator's words for the problems of a send.
extern const char* const kSendCompleteText;    // "Send Complete!"
extern const char* const kEquipmentErrorText;  // "Equipment Error!"
std::string DescribeSkippedRow(const SkippedRow& row);
// "TEXT", "BLANK", "SETTINGS" or "CLOCK".
const char* FrameKindName(ExchangeKind kind);
// "accepted", "refused", "no answer" or "not sent".
const char* ResultName(ExchangeResult result);

}  // namespace velnar::link
