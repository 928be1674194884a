#include "link/SendRun.h"

#include <algorithm>
#include <cctype>
#include <numeric>

#include "link/ComPorts.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"

namespace velnar::link {

namespace {

std::string SlotRange(int first, int last)
{
    return first == last ? "Slot " + std::to_string(first)
                         : "Slots " + std::to_string(first) + " to " + std::to_string(last);
}

std::string FrameName(const FrameFailure& failure)
{
    std::string name = FrameKindName(failure.kind);
    if (failure.row != 0)
        name += " row " + std::to_string(failure.row);
    return name;
}

// "the sign did not answer TEXT row 1 (2 frames), SETTINGS row 1", and the
// same for the frames it refused.
std::string DescribeFailures(const std::vector<FrameFailure>& failures, ExchangeResult result, const char* verb)
{
    std::string text;
    for (std::size_t i = 0; i < failures.size();) {
        std::size_t same = i;
        while (same < failures.size() && FrameName(failures[same]) == FrameName(failures[i]) &&
               failures[same].result == failures[i].result)
            ++same;
        if (failures[i].result == result) {
            text += text.empty() ? std::string(verb) + " " : ", ";
            text += FrameName(failures[i]);
            if (same - i > 1)
                text += " (" + std::to_string(same - i) + " frames)";
        }
        i = same;
    }
    return text;
}

std::string DescribeFrames(const std::vector<FrameFailure>& failures)
{
    const std::string unanswered = DescribeFailures(failures, ExchangeResult::NoAnswer, "the sign did not answer");
    const std::string refused = DescribeFailures(failures, ExchangeResult::Refused, "the sign refused");
    return unanswered + (unanswered.empty() || refused.empty() ? "" : "; ") + refused;
}

}  // namespace

std::string MinutesSeconds(std::int64_t ms)
{
    const std::int64_t seconds = (ms + 999) / 1000;
    std::string text = std::to_string(seconds / 60) + ":";
    if (seconds % 60 < 10)
        text += "0";
    return text + std::to_string(seconds % 60);
}

SendRun::SendRun(std::vector<int> slots, const model::MessageTable& table, Clock now, int byteMarginMs)
    : now_(std::move(now)), startMs_(now_()), sendingMarginMs_(std::int64_t{byteMarginMs} * kMarginedBytesPerSending)
{
    for (const int number : slots) {
        Slot slot;
        slot.slot = number;
        slot.content = SnapshotFromTable(table, number);
        slot.frames = PlanFrames(slot.content);
        slots_.push_back(std::move(slot));
    }
}

bool SendRun::SendSlot(SlotSender& sender, const SlotSnapshot& snapshot, const SlotSender::Progress& progress)
{
    if (Halted())
        return false;
    SlotBegins(snapshot);
    SignLink& link = sender.Link();
    // Whoever else follows the frames hears of each after the run has.
    const std::function<void()> followed = sender.frameEnded;
    sender.frameEnded = [this, &link, followed] {
        FrameEnded(link.LastExchange());
        if (followed)
            followed();
    };
    link.SetRepeatObserver([this](ExchangeKind, int sendings) { FrameRepeats(sendings); });
    const SendOutcome outcome = sender.SendSlot(snapshot, progress);
    link.SetRepeatObserver({});
    sender.frameEnded = followed;
    SlotEnds(outcome);
    return !outcome.halted && !Halted();
}

void SendRun::SlotBegins(const SlotSnapshot& snapshot)
{
    const auto found = std::find_if(slots_.begin(), slots_.end(),
                                    [&snapshot](const Slot& s) { return s.slot == snapshot.slot && !s.begun; });
    if (found == slots_.end())
        return;
    current_ = static_cast<int>(found - slots_.begin());
    found->begun = true;
    found->content = snapshot;
    found->frames = PlanFrames(snapshot);
    frameStartMs_ = now_();
    sendings_ = 0;
}

void SendRun::FrameEnded(const ExchangeTally& tally)
{
    if (tally.result != ExchangeResult::NotSent) {
        anythingSent_ = true;
        silentInARow_ = tally.heard ? 0 : silentInARow_ + 1;
        // A slot sent alone keeps the slot's own notices instead.
        if (slots_.size() > 1 && silentInARow_ >= kSilentFramesToGiveUp)
            gaveUp_ = true;
    }
    sendings_ = 0;
    frameStartMs_ = now_();
    if (current_ < 0)
        return;
    std::vector<PlannedFrame>& frames = slots_[static_cast<std::size_t>(current_)].frames;
    if (!frames.empty())
        frames.erase(frames.begin());
}

void SendRun::FrameRepeats(int sendings)
{
    sendings_ = sendings;
    frameStartMs_ = now_();
}

void SendRun::SlotEnds(const SendOutcome& outcome)
{
    if (current_ < 0)
        return;
    Slot& slot = slots_[static_cast<std::size_t>(current_)];
    slot.ended = true;
    slot.frames.clear();
    slot.outcome = outcome;
}

std::int64_t SendRun::SlotMs(const Slot& slot) const
{
    return std::accumulate(slot.frames.begin(), slot.frames.end(), std::int64_t{0},
                           [this](std::int64_t sum, const PlannedFrame& frame) {
                               return sum + frame.ms + sendingMarginMs_;
                           });
}

// What the frame on the line has left, never less than nothing. Once the
// sign asks for it again, that is every sending it may still get.
std::int64_t SendRun::OnLineMs(const PlannedFrame& frame, std::int64_t nowMs) const
{
    const std::int64_t span = sendings_ > 0 ? std::int64_t{kMaxSendings - sendings_} * (SendingMs(frame.kind) + sendingMarginMs_)
                                            : frame.ms + sendingMarginMs_;
    return std::max<std::int64_t>(0, span - (nowMs - frameStartMs_));
}

RunProgress SendRun::Progress() const
{
    RunProgress progress;
    progress.count = static_cast<int>(slots_.size());
    const std::int64_t nowMs = now_();
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        if (slot.ended)
            continue;
        progress.leftMs += SlotMs(slot);
        if (static_cast<int>(i) == current_ && !slot.frames.empty())
            progress.leftMs += OnLineMs(slot.frames.front(), nowMs) - slot.frames.front().ms - sendingMarginMs_;
    }
    if (current_ >= 0) {
        const Slot& slot = slots_[static_cast<std::size_t>(current_)];
        progress.position = current_ + 1;
        progress.slot = slot.slot;
        if (sendings_ > 0 && !slot.frames.empty())
            progress.repeat = "slot " + std::to_string(slot.slot) + ", " +
                              FrameName({slot.frames.front().kind, slot.frames.front().row, ExchangeResult::NotSent}) +
                              ": sent " + (sendings_ == 1 ? std::string("once") : std::to_string(sendings_) + " times") +
                              ", the sign asks again";
    }
    const std::int64_t doneMs = nowMs - startMs_;
    progress.percent = doneMs + progress.leftMs > 0 ? static_cast<int>(doneMs * 100 / (doneMs + progress.leftMs)) : 100;
    return progress;
}

bool SendRun::FirstHalfDone() const
{
    const auto second = std::find_if(slots_.begin(), slots_.end(),
                                     [](const Slot& slot) { return model::PageOfSlot(slot.slot) == 2; });
    if (second == slots_.begin() || second == slots_.end() || second->begun)
        return false;
    return std::all_of(slots_.begin(), second, [](const Slot& slot) { return slot.ended; });
}

bool SendRun::TookEverything() const
{
    return std::all_of(slots_.begin(), slots_.end(),
                       [](const Slot& slot) { return slot.ended && slot.outcome.TookEverything(); });
}

std::string SendRun::NotSentReason(const std::string& portProblem) const
{
    if (!portProblem.empty())
        return "the port stopped working";
    return gaveUp_ ? "the sign fell silent" : "stopped";
}

std::string SendRun::Report(const std::string& portProblem) const
{
    // A port that never worked: nothing went out, whatever was asked.
    if (!anythingSent_ && !portProblem.empty())
        return NothingWasSent(portProblem);
    std::string report;
    bool answered = false;
    bool failed = false;
    const std::string cut = NotSentReason(portProblem);
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& slot = slots_[i];
        if (!slot.begun) {
            std::size_t last = i;
            while (last + 1 < slots_.size() && !slots_[last + 1].begun)
                ++last;
            report += SlotRange(slot.slot, slots_[last].slot) + (last > i ? " were" : " was") + " not sent: " +
                      cut + ".\n";
            i = last;
            continue;
        }
        for (const SkippedRow& row : slot.outcome.skippedRows)
            report += DescribeSkippedRow(row) + "\n";
        if (!slot.outcome.failures.empty())
            report += "Slot " + std::to_string(slot.slot) + ": " + DescribeFrames(slot.outcome.failures) + ".\n";
        if (slot.outcome.halted)
            report += "Slot " + std::to_string(slot.slot) + ": " + cut + " before its end.\n";
        for (const FrameFailure& failure : slot.outcome.failures) {
            failed = true;
            answered = answered || failure.result == ExchangeResult::Refused;
        }
    }
    if (report.empty())
        return report;
    report = "Not everything reached the sign.\n" + report;
    if (!portProblem.empty())
        report += "The port: " + portProblem + "\n";
    else if (gaveUp_)
        report += "The sign did not answer " + std::to_string(silentInARow_) +
                  " frames in a row: is it connected and switched on?\n";
    else if (failed && !answered)
        report += "The sign did not answer: is it connected and switched on?\n";
    return report;
}

std::vector<SlotResult> SendRun::Results() const
{
    std::vector<SlotResult> results;
    for (const Slot& slot : slots_) {
        const bool ended = slot.begun && slot.ended;
        results.push_back({slot.slot, slot.content, ended && slot.outcome.TookEverything(),
                           !ended || slot.outcome.halted || !slot.outcome.failures.empty()});
    }
    return results;
}

void SendRun::Present(SendNotices& notices, const std::string& portProblem, const std::string& afterword) const
{
    const Slot* last = slots_.empty() ? nullptr : &slots_.back();
    if (slots_.size() == 1 && last->ended && !last->outcome.halted) {
        const SendOutcome& outcome = last->outcome;
        for (const SkippedRow& row : outcome.skippedRows)
            notices.RowNotSent(DescribeSkippedRow(row));
        if (outcome.equipmentError) {
            std::string details = DescribeFrames(outcome.failures);
            if (!details.empty())
                details[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(details[0])));
            details += details.empty() ? "" : ".";
            if (!portProblem.empty())
                details += (details.empty() ? "" : "\n") + portProblem;
            if (!afterword.empty())
                details += (details.empty() ? "" : "\n") + afterword.substr(0, afterword.size() - 1);
            notices.EquipmentError(details);
        }
        if (outcome.completion != CompletionNotice::None)
            notices.SendComplete(outcome.completion);
        if (!outcome.equipmentError && !afterword.empty())
            notices.RunReport(afterword);
        return;
    }
    if (!TookEverything()) {
        notices.RunReport(Report(portProblem) + afterword);
        return;
    }
    if (last && last->outcome.completion != CompletionNotice::None)
        notices.SendComplete(last->outcome.completion);
    if (!afterword.empty())
        notices.RunReport(afterword);
}

}  // namespace velnar::link
