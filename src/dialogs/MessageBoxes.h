#pragma once

#include <QMessageBox>
#include <QString>

namespace velnar::dialogs {

class ModalRunner;

// The caption of the program's message boxes.
QString ProgramCaption();

// A message box under the program's caption, run through the modal runner;
// returns the button the operator pressed. Enter presses `defaultButton`
// when one is given.
// Makes the box wide enough to show its caption whole.
void FitCaption(QMessageBox& box);

QMessageBox::StandardButton ShowMessageBox(ModalRunner& modal, QWidget* parent, QMessageBox::Icon icon,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           const QString& details = QString(),
                                           QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

}  // namespace velnar::dialogs
