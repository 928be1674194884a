#include "pages/PageNotices.h"

#include <QDialog>

#include "dialogs/MessageBoxes.h"
#include "dialogs/ModalRunner.h"

namespace velnar::pages {

PageNotices::PageNotices(QWidget& page, dialogs::ModalRunner& modal, QDialog& completionDialog)
    : page_(page), modal_(modal), completionDialog_(completionDialog)
{
}

void PageNotices::RowNotSent(const std::string& message)
{
    dialogs::ShowMessageBox(modal_, &page_, QMessageBox::Warning, QString::fromStdString(message));
}

void PageNotices::EquipmentError(const std::string& details)
{
    dialogs::ShowMessageBox(modal_, &page_, QMessageBox::Critical, QString::fromUtf8(link::kEquipmentErrorText),
                            QMessageBox::Ok, QString::fromStdString(details));
}

void PageNotices::RunReport(const std::string& report)
{
    dialogs::ShowMessageBox(modal_, &page_, QMessageBox::Warning, QString::fromStdString(report).trimmed());
}

void PageNotices::SendComplete(link::CompletionNotice kind)
{
    if (kind == link::CompletionNotice::MessageBox)
        dialogs::ShowMessageBox(modal_, &page_, QMessageBox::Information, QString::fromUtf8(link::kSendCompleteText));
    else
        modal_.Run(completionDialog_);
}

}  // namespace velnar::pages
