#include "app/CHelpDialog.h"

#include <QDir>
#include <QKeyEvent>
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
    : QDialog(parent), modal_(modal), programDirectory_(std::move(programDirectory))
{
    const res::DialogTemplate& dialog = *res::FindDialogTemplate(res::kHelpDialog);
    controls_ = dialogs::BuildControls(dialog, *this);
    dialogs::ApplyWindowFrame(dialog, *this, controls_.ClientSize());
    Edit()->installEventFilter(this);
}

QPlainTextEdit* CHelpDialog::Edit() const
{
    return controls_.Find<QPlainTextEdit>(res::help_window::kText);
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

// The window has no buttons: Enter closes it like Escape and the close box,
// also while the box has the focus.
bool CHelpDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace velnar::app
