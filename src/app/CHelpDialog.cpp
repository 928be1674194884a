#include "app/CHelpDialog.h"

#include <QDir>
#include <QPlainTextEdit>

#include "app/CommandTexts.h"
#include "app/HelpFile.h"
#include "app/LocalPath.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/ModalRunner.h"
#include "file/HelpText.h"
#include "res/DialogIds.h"
#include "res/ResourceIds.h"

namespace velnar::app {

CHelpDialog::CHelpDialog(dialogs::ModalRunner& modal, QString programDirectory, QWidget* parent)
    : TemplateDialog(res::kHelpDialog, parent), modal_(modal), programDirectory_(std::move(programDirectory))
{
}

QPlainTextEdit* CHelpDialog::Edit() const
{
    return Controls().Find<QPlainTextEdit>(res::help_window::kText);
}

int CHelpDialog::DoModal()
{
    OnInitDialog();
    return modal_.Run(*this);
}

// From here on the program runs in its own folder, as it always has; the
// text is read whole and replaces what the box held.
void CHelpDialog::OnInitDialog()
{
    QDir::setCurrent(programDirectory_);
    const QString path = HelpFilePath(programDirectory_);
    const file::FileResult result = file::ReadHelpText(LocalPath(path), text_);
    if (!result.ok)
        dialogs::ShowMessageBox(modal_, parentWidget(), QMessageBox::Warning, HelpFailureText(path, result.reason));
    Edit()->setPlainText(Text());
}

}  // namespace velnar::app
