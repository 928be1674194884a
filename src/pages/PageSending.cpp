// Sending from a message page: the snapshot of a slot's controls goes to the
// core's SlotSender, and the page shows what the send calls for.
#include <QCheckBox>
#include <QComboBox>

#include "link/SendBatches.h"
#include "pages/MessagePage.h"
#include "pages/ProgressLabel.h"

namespace velnar::pages {

link::SlotSnapshot MessagePage::Snapshot(int j)
{
    ReadEdits();
    link::SlotSnapshot snapshot;
    snapshot.slot = SlotNumber(j);
    for (int row = 1; row <= 2; ++row) {
        const RowControls& controls = Slot(j).Row(row);
        link::SlotSnapshot::Row& target = snapshot.rows[static_cast<std::size_t>(row - 1)];
        target.text = RowString(PageRow(j, row));
        target.animationItem = controls.animation->currentIndex();
        target.brightnessItem = controls.brightness->currentIndex();
        target.speedItem = controls.speed->currentIndex();
    }
    snapshot.twoRows = Slot(j).twoRows->isChecked();
    snapshot.selected = Slot(j).selected->isChecked();
    snapshot.clock = Slot(j).clock->isChecked();
    return snapshot;
}

QPoint MessagePage::ProgressPosition(int j) const
{
    return config_.progressLabel + QPoint(0, kProgressLineStep * j);
}

QLabel* MessagePage::ProgressIndicator() const
{
    return progress_;
}

bool MessagePage::SendSlot(int j)
{
    const link::SendOutcome outcome =
        seams_.sender.SendSlot(Snapshot(j), [this, j] { progress_->ShowAt(ProgressPosition(j)); });
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
