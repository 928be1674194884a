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

void PlanRow(const SlotSnapshot& snapshot, int row, bool twoRows, std::vector<SlotStep>& steps)
{
    const std::size_t length = snapshot.rows[static_cast<std::size_t>(row - 1)].text.size();
    const std::size_t limit = twoRows ? kTwoRowLimit : kOneRowLimit;
    using Kind = SlotStep::Kind;
    if (length == 0) {
        steps.push_back({Kind::BlankRow, row});
        if (ClosesPage(snapshot.slot))
            steps.push_back({Kind::RowSettings, row});
        // The long row of slot 1 pauses after text only.
        if (snapshot.slot == 1 && twoRows)
            steps.push_back({Kind::Pause, row});
    } else if (length <= limit) {
        steps.push_back({Kind::RowText, row});
        steps.push_back({Kind::RowSettings, row});
        if (snapshot.slot == 1)
            steps.push_back({Kind::Pause, row});
    } else {
        steps.push_back({Kind::RowTooLong, row});
    }
}

}  // namespace

std::vector<SlotStep> PlanSlot(const SlotSnapshot& snapshot)
{
    std::vector<SlotStep> steps;
    PlanRow(snapshot, 1, snapshot.twoRows, steps);
    if (snapshot.twoRows) {
        steps.push_back({SlotStep::Kind::Clock, 0});
        // A ticked clock box makes row 2 the sign's own clock row.
        if (!snapshot.clock)
            PlanRow(snapshot, 2, true, steps);
    }
    return steps;
}

std::vector<PlannedFrame> PlanFrames(const SlotSnapshot& snapshot)
{
    const ExchangeKind settings = model::PageOfSlot(snapshot.slot) == 1 ? ExchangeKind::SettingsFramePage1
                                                                         : ExchangeKind::SettingsFramePage2;
    std::vector<PlannedFrame> frames;
    int pause = 0;
    const auto add = [&frames, &pause](ExchangeKind kind, int row) {
        frames.push_back({kind, row, pause + NominalDurationMs(kind)});
        pause = 0;
    };
    for (const SlotStep& step : PlanSlot(snapshot)) {
        switch (step.kind) {
        case SlotStep::Kind::RowText: {
            const std::size_t length = snapshot.rows[static_cast<std::size_t>(step.row - 1)].text.size();
            for (std::size_t block = 0; block < length; block += kCharactersPerBlock)
                add(ExchangeKind::TextFrame, step.row);
            break;
        }
        case SlotStep::Kind::BlankRow: add(ExchangeKind::BlankFrame, step.row); break;
        case SlotStep::Kind::RowSettings: add(settings, step.row); break;
        case SlotStep::Kind::Clock: add(ExchangeKind::ClockFrame, 0); break;
        case SlotStep::Kind::Pause: pause = kSlotOnePauseMs; break;
        case SlotStep::Kind::RowTooLong: break;
        }
    }
    return frames;
}

std::int64_t NominalMs(const SlotSnapshot& snapshot)
{
    std::int64_t ms = 0;
    for (const PlannedFrame& frame : PlanFrames(snapshot))
        ms += frame.ms;
    return ms;
}

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

void SlotSender::RunStep(const SlotSnapshot& snapshot, const SlotStep& step, const Progress& accepted,
                         SendOutcome& outcome)
{
    const int slot = snapshot.slot;
    const int slotIndex = model::SlotIndex(slot);
    const auto k = static_cast<std::size_t>(model::RowNumber(slot, step.row == 0 ? 1 : step.row));
    TextBlock header;
    header.animation = table_.rowAnimation[k];
    header.slotIndex = slotIndex;
    header.notSelected = snapshot.selected ? 0 : 1;
    header.row = step.row;
    header.twoRowFlag = snapshot.twoRows ? 1 : 0;

    switch (step.kind) {
    case SlotStep::Kind::RowText:
        frames_.SendRowText(snapshot.rows[static_cast<std::size_t>(step.row - 1)].text, header, accepted);
        break;
    case SlotStep::Kind::BlankRow: frames_.SendBlankRow(header, accepted); break;
    case SlotStep::Kind::RowSettings:
        frames_.SendRowSettings({table_.rowBrightness[k], table_.rowSpeed[k], slotIndex, step.row});
        break;
    case SlotStep::Kind::Clock: frames_.SendClock(snapshot.clock ? 1 : 0, slotIndex); break;
    case SlotStep::Kind::Pause: link_.Pause(kSlotOnePauseMs); break;
    case SlotStep::Kind::RowTooLong: {
        const int length = static_cast<int>(snapshot.rows[static_cast<std::size_t>(step.row - 1)].text.size());
        outcome.skippedRows.push_back({slot, step.row, length, snapshot.twoRows ? kTwoRowLimit : kOneRowLimit});
        break;
    }
    }
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
    frames_.frameEnded = [this, &outcome](ExchangeKind kind, int row, ExchangeResult result) {
        if (result == ExchangeResult::NotSent)
            outcome.halted = true;
        else if (result != ExchangeResult::Accepted)
            outcome.failures.push_back({kind, row, result});
        if (frameEnded)
            frameEnded();
    };
    for (const SlotStep& step : PlanSlot(snapshot))
        RunStep(snapshot, step, accepted, outcome);
    frames_.frameEnded = {};

    outcome.equipmentError = table_.equipmentError != 0;
    table_.equipmentError = 0;
    if (table_.sendComplete) {
        table_.sendComplete = 0;
        if (!Withheld(snapshot.slot) && !outcome.equipmentError && outcome.TookEverything())
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

const char* FrameKindName(ExchangeKind kind)
{
    switch (kind) {
    case ExchangeKind::TextFrame: return "TEXT";
    case ExchangeKind::BlankFrame: return "BLANK";
    case ExchangeKind::SettingsFramePage1:
    case ExchangeKind::SettingsFramePage2: return "SETTINGS";
    case ExchangeKind::ClockFrame: return "CLOCK";
    }
    return "?";
}

const char* ResultName(ExchangeResult result)
{
    switch (result) {
    case ExchangeResult::Accepted: return "accepted";
    case ExchangeResult::Refused: return "refused";
    case ExchangeResult::NoAnswer: return "no answer";
    case ExchangeResult::NotSent: return "not sent";
    }
    return "?";
}

}  // namespace velnar::link
