#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

namespace velnar::app {

// An item of the window's own system menu, on platforms that have one
// (Windows). False where there is none; the window then offers the item in a
// menu of its own.
bool AppendSystemMenuItem(QWidget& window, const QString& text, int command);

// The command of a native system-menu message with its low four bits
// cleared, or 0 for any other message.
int SystemMenuCommand(const QByteArray& eventType, void* message);

}  // namespace velnar::app
