// Sending from a message page: the snapshot of a slot's controls goes to the
// core's SlotSender, and the page shows what the send calls for.
#include "link/SendBatches.h"
#include "pages/MessagePage.h"
#include "pages/ProgressLabel.h"
#include "pages/SendSession.h"

namespace velnar::pages {

link::SlotSnapshot MessagePage::Snapshot(int j)
{
    ReadControls();
    return link::SnapshotOfPage(state_, j);
}

QPoint MessagePage::ProgressPosition(int j) const
{
    return config_.progressLabel + QPoint(0, kProgressLineStep * j);
}

QLabel* MessagePage::ProgressIndicator(int j) const
{
    return progress_[static_cast<std::size_t>(j)];
}

void MessagePage::ShowProgress(int j)
{
    progress_[static_cast<std::size_t>(j)]->ShowAt(ProgressPosition(j));
}

void MessagePage::HideProgress()
{
    for (ProgressLabel* label : progress_)
        label->hide();
}

void MessagePage::RunSend(bool begun, const std::function<void()>& send)
{
    // A click that reached the page while another run was on sends nothing.
    if (!begun)
        return;
    // A file opened just before is what goes out.
    TakeUpLoadedFile();
    send();
    HideProgress();
    seams_.session.End(notices_);
}

std::vector<int> MessagePage::PageSlots() const
{
    std::vector<int> numbers;
    for (int j = 0; j < kSlots; ++j)
        numbers.push_back(SlotNumber(j));
    return numbers;
}

void MessagePage::SendSlot(int j)
{
    RunSend(seams_.session.Begin({SlotNumber(j)}, window()), [this, j] { SlotSending()(SlotNumber(j)); });
}

link::SendOneSlot MessagePage::SlotSending()
{
    return [this](int slot) {
        const int j = slot - config_.layout.firstSlot;
        return seams_.session.SendSlot(Snapshot(j), [this, j] { ShowProgress(j); });
    };
}

link::SlotSnapshot MessagePage::SnapshotToSend(int j)
{
    Create();
    TakeUpLoadedFile();
    return Snapshot(j);
}

bool MessagePage::SendInRun(int slot)
{
    return SlotSending()(slot);
}

void MessagePage::SendPageBatch()
{
    RunSend(seams_.session.Begin(PageSlots(), window()),
            [this] { link::SendPageBatch(seams_.table, config_.page, SlotSending()); });
}

// SEND ALL is one run over both pages: page 1 begins it once no other run is
// on (the request waits for that) and hands it over; page 2 goes on with it
// and ends it.
void MessagePage::TakeUpSendAll()
{
    if (!(seams_.table.*config_.sendAllTurn))
        return;
    std::vector<int> run;
    for (int slot = 1; slot <= model::kSlotCount; ++slot)
        run.push_back(slot);
    SendSession& session = seams_.session;
    RunSend(config_.page == 1 ? session.Begin(run, window()) : session.TakeOver(),
            [this] { config_.takeUpSendAll(seams_.table, SlotSending()); });
}

}  // namespace velnar::pages
