#include "app/CAboutDialog.h"

#include <QPushButton>

#include "dialogs/DialogBuilder.h"
#include "res/ResourceIds.h"

namespace velnar::app {

CAboutDialog::CAboutDialog(QWidget* parent) : QDialog(parent)
{
    const res::DialogTemplate& dialog = *res::FindDialogTemplate(res::kAboutDialog);
    const dialogs::DialogControls controls = dialogs::BuildControls(dialog, *this);
    dialogs::ApplyWindowFrame(dialog, *this, controls.ClientSize());
    connect(controls.Find<QPushButton>(res::kIdOk), &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace velnar::app
