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

void MessagePage::RunSend(const std::vector<int>& slotNumbers, const std::function<void()>& send)
{
    SendSession& session = seams_.session;
    session.Begin(slotNumbers, window());
    send();
    HideProgress();
    session.End(seams_.table.sendAllPage2Turn != 0, notices_);
}

void MessagePage::SendSlot(int j)
{
    RunSend({SlotNumber(j)}, [this, j] { SlotSending()(SlotNumber(j)); });
}

link::SendOneSlot MessagePage::SlotSending()
{
    return [this](int slot) {
        const int j = slot - config_.layout.firstSlot;
        return seams_.session.SendSlot(Snapshot(j), [this, j] { ShowProgress(j); });
    };
}

void MessagePage::SendPageBatch()
{
    std::vector<int> run;
    for (int j = 0; j < kSlots; ++j)
        run.push_back(SlotNumber(j));
    RunSend(run, [this] { link::SendPageBatch(seams_.table, config_.page, SlotSending()); });
}

// SEND ALL is one run over both pages: page 1 begins it and hands it over,
// page 2 goes on with it and ends it.
void MessagePage::TakeUpSendAll()
{
    if (!(seams_.table.*config_.sendAllTurn))
        return;
    std::vector<int> run;
    for (int slot = 1; slot <= model::kSlotCount; ++slot)
        run.push_back(slot);
    RunSend(run, [this] { config_.takeUpSendAll(seams_.table, SlotSending()); });
}

}  // namespace velnar::pages
