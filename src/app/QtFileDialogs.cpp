#include "app/QtFileDialogs.h"

#include <QFileInfo>

#include "dialogs/MessageBoxes.h"
#include "dialogs/ModalRunner.h"

namespace velnar::app {

QStringList MessageFileNameFilters()
{
    // The visible part is the one the operator knows; the last parentheses
    // hold what Qt matches. "*VELNAR?MESSAGES" has no extension of its own,
    // so switching filters leaves a typed extension alone instead of
    // putting "VELNAR?MESSAGES" in its place.
    return {
        QStringLiteral("VELNAR MESSAGES Files(*.VELNAR MESSAGES) (*VELNAR?MESSAGES)"),
        QStringLiteral("All Files(*.*) (*)"),
    };
}

std::unique_ptr<QFileDialog> MakeMessageFileDialog(QWidget* parent, QFileDialog::AcceptMode mode, const QString& folder)
{
    auto dialog = std::make_unique<QFileDialog>(parent);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Qt's dialogs have no read-only box to hide; they ask before an
    // existing file is overwritten unless told not to.
    dialog->setOption(QFileDialog::HideNameFilterDetails);
    dialog->setNameFilters(MessageFileNameFilters());
    dialog->selectNameFilter(MessageFileNameFilters().front());
    dialog->setDefaultSuffix(kMessageFileExtension);
    if (!folder.isEmpty())
        dialog->setDirectory(folder);
    dialog->selectFile(kInitialFileName);
    return dialog;
}

namespace {

// Qt's own dialog hands back whatever the name field holds, the initial
// pattern too; that names no file unless one of that very name exists.
bool IsUntouchedPattern(const QString& path)
{
    return path.isEmpty() || (QFileInfo(path).fileName() == kInitialFileName && !QFileInfo::exists(path));
}

QString Ask(QWidget& parent, dialogs::ModalRunner& modal, QFileDialog::AcceptMode mode, const QString& folder)
{
    const std::unique_ptr<QFileDialog> dialog = MakeMessageFileDialog(&parent, mode, folder);
    while (modal.Run(*dialog) == QDialog::Accepted) {
        const QString chosen = dialog->selectedFiles().value(0);
        if (!IsUntouchedPattern(chosen))
            return chosen;
        dialogs::ShowMessageBox(modal, &parent, QMessageBox::Information,
                                QStringLiteral("\"%1\" is the pattern of message file names, not a name. "
                                               "Type a name for the file or choose one.")
                                    .arg(kInitialFileName));
    }
    return {};
}

}  // namespace

QString QtFileDialogs::AskOpenPath(QWidget& parent, dialogs::ModalRunner& modal, const QString& folder)
{
    return Ask(parent, modal, QFileDialog::AcceptOpen, folder);
}

QString QtFileDialogs::AskSavePath(QWidget& parent, dialogs::ModalRunner& modal, const QString& folder)
{
    return Ask(parent, modal, QFileDialog::AcceptSave, folder);
}

FileDialogs& PlatformFileDialogs()
{
    static QtFileDialogs dialogs;
    return dialogs;
}

}  // namespace velnar::app
