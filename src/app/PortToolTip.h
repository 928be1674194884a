#pragma once

#include <QString>

namespace velnar::app {

#ifdef Q_OS_LINUX
constexpr bool kOnLinux = true;
#else
constexpr bool kOnLinux = false;
#endif

// The port list's tooltip: why the selected port cannot be used, in the
// system's words ("/dev/ttyS0: Permission denied"); empty while it works. On
// Linux a refused permission comes with what the operator can do about it.
QString PortToolTip(const QString& problem, bool onLinux);

}  // namespace velnar::app
