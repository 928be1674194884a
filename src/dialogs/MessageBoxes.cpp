#include "dialogs/MessageBoxes.h"

#include "dialogs/ModalRunner.h"

namespace velnar::dialogs {

QString ProgramCaption()
{
    return QStringLiteral("VELNAR MESSAGES");
}

QMessageBox::StandardButton ShowMessageBox(ModalRunner& modal, QWidget* parent, QMessageBox::Icon icon,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           const QString& details, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, ProgramCaption(), text, buttons, parent);
    box.setInformativeText(details);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(modal.Run(box));
}

}  // namespace velnar::dialogs
