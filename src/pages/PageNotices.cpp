#include "pages/PageNotices.h"

#include <QDialog>

#include "dialogs/MessageBoxes.h"
#include "dialogs/ModalRunner.h"

namespace velnar::pages {

PageNotices::PageNotices(QWidget& page, dialogs::ModalRunner& modal, QDialog& completionDialog,
                         std::function<QString()> portProblem)
    : page_(page), modal_(modal), completionDialog_(completionDialog), portProblem_(std::move(portProblem))
{
}

void PageNotices::RowNotSent(const std::string& message)
{
    dialogs::ShowMessageBox(modal_, &page_, QMessageBox::Warning, QString::fromStdString(message));
}

bool PageNotices::EquipmentError(bool canStop)
{
    const QString problem = portProblem_ ? portProblem_() : QString();
    QString details = problem;
    if (canStop)
        details += (details.isEmpty() ? QString() : QStringLiteral("\n")) +
                   QStringLiteral("OK sends the remaining slots; Cancel stops.");
    const auto buttons = canStop ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok;
    return dialogs::ShowMessageBox(modal_, &page_, QMessageBox::Critical, QString::fromUtf8(link::kEquipmentErrorText),
                                   buttons, details) != QMessageBox::Cancel;
}

void PageNotices::SendComplete(link::CompletionNotice kind)
{
    if (kind == link::CompletionNotice::MessageBox)
        dialogs::ShowMessageBox(modal_, &page_, QMessageBox::Information, QString::fromUtf8(link::kSendCompleteText));
    else
        modal_.Run(completionDialog_);
}

}  // namespace velnar::pages
