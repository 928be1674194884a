#include "dialogs/MessageBoxes.h"

#include <QGridLayout>

#include "dialogs/ModalRunner.h"

namespace velnar::dialogs {

QString ProgramCaption()
{
    return QStringLiteral("VELNAR MESSAGES");
}

// A box as narrow as a short text would cut its caption ("VEL... GES"):
// the window manager's title font is often bold and larger than the box's
// own, and the title bar holds an icon and two or three buttons besides.
void FitCaption(QMessageBox& box)
{
    constexpr int kTitleBarExtras = 160;
    const int title = box.fontMetrics().horizontalAdvance(box.windowTitle()) * 5 / 4 + kTitleBarExtras;
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(title, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
}

QMessageBox::StandardButton ShowMessageBox(ModalRunner& modal, QWidget* parent, QMessageBox::Icon icon,
                                           const QString& text, QMessageBox::StandardButtons buttons,
                                           const QString& details, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, ProgramCaption(), text, buttons, parent);
    box.setInformativeText(details);
    box.setDefaultButton(defaultButton);
    FitCaption(box);
    return static_cast<QMessageBox::StandardButton>(modal.Run(box));
}

}  // namespace velnar::dialogs
