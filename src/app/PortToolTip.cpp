#include "app/PortToolTip.h"

namespace velnar::app {

QString PortToolTip(const QString& problem, bool onLinux)
{
    // Serial devices belong to the group dialout on Linux; a user outside it
    // is refused with "Permission denied" until added and logged in again.
    if (onLinux && problem.contains(QLatin1String("Permission denied"), Qt::CaseInsensitive)) {
        return problem + QStringLiteral("\nThe user must be allowed to use serial ports: add the user to the "
                                        "group dialout (sudo adduser $USER dialout) and log in again.");
    }
    return problem;
}

}  // namespace velnar::app
