#pragma once

#include <string>

#include "dialogs/TemplateDialog.h"

class QPlainTextEdit;

namespace velnar::dialogs {
class ModalRunner;
}

namespace velnar::app {

// The help window (template 143): "help.txt" in an editable box. One object
// serves every showing; each showing starts from the file, so edits made in
// an earlier one are gone.
class CHelpDialog : public dialogs::TemplateDialog {
    Q_OBJECT

public:
    CHelpDialog(dialogs::ModalRunner& modal, QString programDirectory, QWidget* parent = nullptr);

    // Reads the help text and shows the window modally.
    int DoModal();

    QPlainTextEdit* Edit() const;
    // The window's string: the text last read, or what it held before when
    // the file could not be read.
    QString Text() const { return QString::fromStdU16String(text_); }

private:
    void OnInitDialog();

    dialogs::ModalRunner& modal_;
    QString programDirectory_;
    std::u16string text_;
};

}  // namespace velnar::app
