// Sending from a message page: the snapshot of a slot's controls goes to the
// core's SlotSender, and the page shows what the send calls for.
#include <QTimer>

#include "link/SendBatches.h"
#include "pages/MessagePage.h"
#include "pages/ProgressLabel.h"

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
    QTimer::singleShot(0, this, [this] {
        for (ProgressLabel* label : progress_)
            label->hide();
    });
}

bool MessagePage::SendSlot(int j)
{
    const link::SendOutcome outcome =
        seams_.sender.SendSlot(Snapshot(j), [this, j] { ShowProgress(j); });
    return link::PresentOutcome(outcome, seams_.table.pageBatchActive != 0, notices_);
}

link::SendOneSlot MessagePage::SlotSending()
{
    return [this](int slot) { return SendSlot(slot - config_.layout.firstSlot); };
}

void MessagePage::SendPageBatch()
{
    link::SendPageBatch(seams_.table, config_.page, SlotSending());
}

}  // namespace velnar::pages
