#include "app/NativeSystemMenu.h"

#include <QWidget>
#include <windows.h>

namespace velnar::app {

bool AppendSystemMenuItem(QWidget& window, const QString& text, int command)
{
    HMENU menu = GetSystemMenu(reinterpret_cast<HWND>(window.winId()), FALSE);
    if (!menu)
        return false;
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(command), reinterpret_cast<LPCWSTR>(text.utf16()));
    return true;
}

int SystemMenuCommand(const QByteArray& eventType, void* message)
{
    if (eventType != "windows_generic_MSG")
        return 0;
    const MSG* msg = static_cast<const MSG*>(message);
    return msg->message == WM_SYSCOMMAND ? static_cast<int>(msg->wParam & 0xFFF0) : 0;
}

}  // namespace velnar::app
