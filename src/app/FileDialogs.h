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

    // The chosen path, or empty when the operator cancelled.
    virtual QString AskOpenPath(QWidget& parent, dialogs::ModalRunner& modal) = 0;
    virtual QString AskSavePath(QWidget& parent, dialogs::ModalRunner& modal) = 0;
};

// The platform's file dialogs, set up for message files.
FileDialogs& PlatformFileDialogs();

}  // namespace velnar::app
