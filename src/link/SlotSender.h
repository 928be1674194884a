#pragma once

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

// What the operator must be shown after one slot, in this order: the rows
// that were not sent, the equipment error, then the completion notice.
struct SendOutcome {
    std::vector<SkippedRow> skippedRows;
    bool equipmentError = false;
    CompletionNotice completion = CompletionNotice::None;
};

// Sends one slot: both rows with their settings and the clock, or the one
// long row, in the order and with the limits the sign needs.
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
    // a settings frame, nothing failed or was skipped, and no batch or
    // SEND ALL withholds it.
    SendOutcome SendSlot(const SlotSnapshot& snapshot, const Progress& progress = {});

private:
    void TakeSelections(const SlotSnapshot& snapshot);
    void SendRow(const SlotSnapshot& snapshot, int row, bool twoRows, const Progress& accepted,
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

// How a window or a tool tells the operator about a slot.
class SendNotices {
public:
    virtual ~SendNotices() = default;
    virtual void RowNotSent(const std::string& message) = 0;
    // Returns false when the operator stops the rest of the run; `canStop`
    // is true inside a page batch or SEND ALL.
    virtual bool EquipmentError(bool canStop) = 0;
    virtual void SendComplete(CompletionNotice kind) = 0;
};

// Shows what an outcome calls for; false when the operator chose to stop.
bool PresentOutcome(const SendOutcome& outcome, bool inBatch, SendNotices& notices);

}  // namespace velnar::link
