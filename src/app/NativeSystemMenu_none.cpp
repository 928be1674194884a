#include "app/NativeSystemMenu.h"

namespace velnar::app {

bool AppendSystemMenuItem(QWidget&, const QString&, int)
{
    return false;
}

int SystemMenuCommand(const QByteArray&, void*)
{
    return 0;
}

}  // namespace velnar::app
