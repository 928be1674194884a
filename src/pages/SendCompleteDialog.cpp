#include "pages/SendCompleteDialog.h"

#include <QPushButton>

#include "dialogs/DialogBuilder.h"
#include "res/ResourceIds.h"

namespace velnar::pages {

SendCompleteDialog::SendCompleteDialog(QWidget* parent) : QDialog(parent)
{
    const res::DialogTemplate& dialog = *res::FindDialogTemplate(res::kSendCompleteDialog);
    const dialogs::DialogControls controls = dialogs::BuildControls(dialog, *this);
    dialogs::ApplyWindowFrame(dialog, *this, controls.ClientSize());
    connect(controls.Find<QPushButton>(res::kIdOk), &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace velnar::pages
