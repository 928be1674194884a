#include "link/SlotSender.h"

#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "model/Selectors.h"

namespace velnar::link {

namespace {

constexpr int kSlotOnePauseMs = 100;

// Slots 8 and 16 close a page: their blank rows are followed by settings.
bool ClosesPage(int slot)
{
    return slot % model::kSlotsPerPage == 0;
}

}  // namespace

const char* const kSendCompleteText = "Send Complete!";
const char* const kEquipmentErrorText = "Equipment Error!";

SlotSender::SlotSender(SignLink& link, const LocalClock& clock, model::MessageTable& table)
    : link_(link), table_(table), frames_(link, clock, table)
{
}

void SlotSender::TakeSelections(const SlotSnapshot& snapshot)
{
    for (int r = 1; r <= 2; ++r) {
        const auto row = static_cast<std::size_t>(model::RowNumber(snapshot.slot, r));
        const SlotSnapshot::Row& selections = snapshot.rows[static_cast<std::size_t>(r - 1)];
        table_.rowAnimation[row] = selections.animationItem;
        if (model::PageOfSlot(snapshot.slot) == 2) {
            table_.rowBrightness[row] = model::StoredLevel(selections.brightnessItem);
            table_.rowSpeed[row] = model::StoredLevel(selections.speedItem);
        }
    }
}

void SlotSender::SendRow(const SlotSnapshot& snapshot, int row, bool twoRows, const Progress& accepted,
                         SendOutcome& outcome)
{
    const int slot = snapshot.slot;
    const int slotIndex = model::SlotIndex(slot);
    const auto k = static_cast<std::size_t>(model::RowNumber(slot, row));
    const std::u16string& text = snapshot.rows[static_cast<std::size_t>(row - 1)].text;
    const int length = static_cast<int>(text.size());
    const int limit = twoRows ? kTwoRowLimit : kOneRowLimit;
    TextBlock header;
    header.animation = table_.rowAnimation[k];
    header.slotIndex = slotIndex;
    header.notSelected = snapshot.selected ? 0 : 1;
    header.row = row;
    header.twoRowFlag = twoRows ? 1 : 0;
    const RowSettings settings{table_.rowBrightness[k], table_.rowSpeed[k], slotIndex, row};

    bool sent = true;
    if (length == 0) {
        frames_.SendBlankRow(header, accepted);
        if (ClosesPage(slot))
            frames_.SendRowSettings(settings);
        // The long row of slot 1 pauses after text only.
        sent = twoRows;
    } else if (length <= limit) {
        frames_.SendRowText(text, header, accepted);
        frames_.SendRowSettings(settings);
    } else {
        outcome.skippedRows.push_back(SkippedRow{slot, row, length, limit});
        sent = false;
    }
    if (slot == 1 && sent)
        link_.Wait(kSlotOnePauseMs);
}

bool SlotSender::Withheld(int slot) const
{
    if (slot == model::kSlotsPerPage)
        return table_.sendAllActive != 0;
    if (slot == model::kSlotCount)
        return table_.sendAllRequested != 0;
    return table_.pageBatchActive != 0;
}

SendOutcome SlotSender::SendSlot(const SlotSnapshot& snapshot, const Progress& progress)
{
    const bool firstPage = model::PageOfSlot(snapshot.slot) == 1;
    if (!firstPage && progress)
        progress();
    TakeSelections(snapshot);
    const Progress accepted = firstPage ? progress : Progress();

    SendOutcome outcome;
    if (snapshot.twoRows) {
        SendRow(snapshot, 1, true, accepted, outcome);
        frames_.SendClock(snapshot.clock ? 1 : 0, model::SlotIndex(snapshot.slot));
        // A ticked clock box makes row 2 the sign's own clock row.
        if (!snapshot.clock)
            SendRow(snapshot, 2, true, accepted, outcome);
    } else {
        SendRow(snapshot, 1, false, accepted, outcome);
    }

    outcome.equipmentError = table_.equipmentError != 0;
    table_.equipmentError = 0;
    if (table_.sendComplete) {
        table_.sendComplete = 0;
        if (!Withheld(snapshot.slot) && !outcome.equipmentError && outcome.skippedRows.empty())
            outcome.completion = snapshot.slot == 2 ? CompletionNotice::MessageBox : CompletionNotice::Dialog;
    }
    return outcome;
}

std::string DescribeSkippedRow(const SkippedRow& row)
{
    const char* mode = row.limit == kOneRowLimit ? "one-row" : "two-row";
    return "Slot " + std::to_string(row.slot) + ", row " + std::to_string(row.row) + " was not sent: " +
           std::to_string(row.length) + " characters, at most " + std::to_string(row.limit) + " fit in " +
           mode + " mode.";
}

bool PresentOutcome(const SendOutcome& outcome, bool inBatch, SendNotices& notices)
{
    for (const SkippedRow& row : outcome.skippedRows)
        notices.RowNotSent(DescribeSkippedRow(row));
    if (outcome.equipmentError && !notices.EquipmentError(inBatch) && inBatch)
        return false;
    if (outcome.completion != CompletionNotice::None)
        notices.SendComplete(outcome.completion);
    return true;
}

}  // namespace velnar::link
