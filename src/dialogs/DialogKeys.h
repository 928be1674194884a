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

// For a multi-line edit that keeps Enter but whose text takes no line break
// from the keyboard: Enter and Return, with or without Shift, move the focus
// on as Tab does. Line breaks already in the text stay.
void EnterMovesFocus(QPlainTextEdit& edit);

}  // namespace velnar::dialogs
