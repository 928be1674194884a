// What the port's sign holds, as far as this computer knows: every run is
// kept in the port's record, and "DEĞİŞENLERİ GÖNDER" sends only what the
// record says the sign lacks.
#include <array>

#include "app/CMainDialog.h"
#include "app/LocalPath.h"
#include "dialogs/MessageBoxes.h"
#include "file/SignRecordFile.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"

namespace velnar::app {

pages::MessagePage& CMainDialog::PageOfSlot(int slot) const
{
    if (model::PageOfSlot(slot) == 1)
        return *firstPage_;
    return *secondPage_;
}

std::string CMainDialog::KeepRun(const link::SendRun& run)
{
    return file::KeepRunInRecord(LocalPath(context_.stateFolder), openedDevice_, run, "F5");
}

void CMainDialog::SendChanged()
{
    if (session_.Busy())
        return;
    std::array<link::SlotSnapshot, model::kSlotCount> now;
    for (int slot = 1; slot <= model::kSlotCount; ++slot) {
        pages::MessagePage& page = PageOfSlot(slot);
        now[static_cast<std::size_t>(model::SlotIndex(slot))] = page.SnapshotToSend(slot - page.SlotNumber(0));
    }
    const link::SignRecord held = file::LoadSignRecord(LocalPath(context_.stateFolder), openedDevice_).record;
    const std::vector<int> changed = link::ChangedSlots(held, now);
    const QString headline = QString::fromStdString(link::DescribeChanged(changed, now));
    if (changed.empty()) {
        dialogs::ShowMessageBox(context_.modal, this, QMessageBox::Information, headline);
        return;
    }
    if (!session_.Begin(changed, this, headline))
        return;
    for (const int slot : changed)
        if (!PageOfSlot(slot).SendInRun(slot))
            break;
    firstPage_->HideProgress();
    secondPage_->HideProgress();
    // A slot sent alone tells as its own button does; a longer run ends on
    // the page of its last slot.
    session_.End(PageOfSlot(changed.back()).Notices());
}

void CMainDialog::ForgetSign()
{
    if (session_.Busy() || openedDevice_.empty())
        return;
    const file::FileResult forgotten = file::ForgetSignRecord(LocalPath(context_.stateFolder), openedDevice_);
    if (!forgotten.ok)
        dialogs::ShowMessageBox(context_.modal, this, QMessageBox::Warning,
                                QStringLiteral("What the sign holds could not be forgotten: %1.")
                                    .arg(QString::fromStdString(forgotten.reason)));
}

}  // namespace velnar::app
