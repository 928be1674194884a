#include "app/QtFileDialogs.h"

#include <QFileInfo>

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

std::unique_ptr<QFileDialog> MakeMessageFileDialog(QWidget* parent, QFileDialog::AcceptMode mode)
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
    dialog->selectFile(QStringLiteral("*.") + kMessageFileExtension);
    return dialog;
}

namespace {

bool IsPattern(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// Qt's own dialog takes the initial "*.VELNAR MESSAGES" left in the name
// field as a file name; a name with wildcards is a pattern, never the file
// the operator means, so the dialog asks again.
QString Ask(QWidget& parent, QFileDialog::AcceptMode mode)
{
    const std::unique_ptr<QFileDialog> dialog = MakeMessageFileDialog(&parent, mode);
    while (dialog->exec() == QDialog::Accepted) {
        const QString chosen = dialog->selectedFiles().value(0);
        if (!chosen.isEmpty() && !IsPattern(chosen))
            return chosen;
    }
    return {};
}

}  // namespace

QString QtFileDialogs::AskOpenPath(QWidget& parent)
{
    return Ask(parent, QFileDialog::AcceptOpen);
}

QString QtFileDialogs::AskSavePath(QWidget& parent)
{
    return Ask(parent, QFileDialog::AcceptSave);
}

FileDialogs& PlatformFileDialogs()
{
    static QtFileDialogs dialogs;
    return dialogs;
}

}  // namespace velnar::app
