#pragma once

class QDialog;
class QPlainTextEdit;

namespace velnar::dialogs {

// Enter as a dialog built from a template takes it. A focused push button
// clicks itself; a multi-line edit keeps Enter for a line break only when its
// template asks for that (want-return), and otherwise hands it on; Enter that
// reaches the dialog clicks its default button, or closes it with OK when it
// has none.
void HandEnterToDialog(QPlainTextEdit& edit);
void CloseOnEnter(QDialog& dialog);

}  // namespace velnar::dialogs
