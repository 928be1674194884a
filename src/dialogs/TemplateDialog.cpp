#include "dialogs/TemplateDialog.h"

#include <QPushButton>

#include "res/ResourceIds.h"

namespace velnar::dialogs {

TemplateDialog::TemplateDialog(int templateId, QWidget* parent, const ControlFactory& factory) : QDialog(parent)
{
    const res::DialogTemplate& dialog = *res::FindDialogTemplate(templateId);
    controls_ = BuildControls(dialog, *this, factory);
    ApplyWindowFrame(dialog, *this, controls_.ClientSize());
    if (auto* ok = controls_.Find<QPushButton>(res::kIdOk))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace velnar::dialogs
