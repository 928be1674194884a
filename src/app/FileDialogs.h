#pragma once

#include <QString>

class QWidget;

namespace velnar::dialogs {
class ModalRunner;
}

namespace velnar::app {

// Asks the operator which message file to open or save. The main window
// asks through this seam, so that tests answer with paths of their own; the
// dialogs, and what they tell the operator, run through `modal`.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;

    // The chosen path, or empty when the operator cancelled. The dialog
    // starts in `folder`, or where it would anyway when that is empty.
    virtual QString AskOpenPath(QWidget& parent, dialogs::ModalRunner& modal, const QString& folder) = 0;
    virtual QString AskSavePath(QWidget& parent, dialogs::ModalRunner& modal, const QString& folder) = 0;
};

// The platform's file dialogs, set up for message files.
FileDialogs& PlatformFileDialogs();

}  // namespace velnar::app
