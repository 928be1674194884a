#pragma once

#include <QFileDialog>
#include <memory>

#include "app/FileDialogs.h"

namespace velnar::app {

// The extension of message files, added to a typed name that has none.
inline const QString kMessageFileExtension = QStringLiteral("VELNAR MESSAGES");
// What the name field holds when the dialog opens: a pattern, not a name.
inline const QString kInitialFileName = QStringLiteral("*.") + kMessageFileExtension;

// The file-type list as the operator reads it: the message files first, then
// all files. Qt takes the patterns of a filter from its last parentheses and
// splits them at blanks, so each filter carries a second, hidden pattern list
// in which "?" stands for the blank of the extension.
QStringList MessageFileNameFilters();

// An open or save dialog for message files: the filters above, the initial
// name "*.VELNAR MESSAGES", the extension added to a typed name without one,
// no read-only box, and a question before an existing file is overwritten.
std::unique_ptr<QFileDialog> MakeMessageFileDialog(QWidget* parent, QFileDialog::AcceptMode mode,
                                                   const QString& folder = {});

// Asks again, and says why, while the name field still holds the initial
// pattern; every other name is taken as typed, "?" and "*" included.
class QtFileDialogs final : public FileDialogs {
public:
    QString AskOpenPath(QWidget& parent, dialogs::ModalRunner& modal, const QString& folder) override;
    QString AskSavePath(QWidget& parent, dialogs::ModalRunner& modal, const QString& folder) override;
};

}  // namespace velnar::app
