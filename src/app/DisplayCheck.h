#pragma once

#include <functional>
#include <string>

namespace velnar::app {

// Reads one environment variable; null when it is not set.
using Environment = std::function<const char*(const char*)>;

// Why the editor cannot show a window on this machine, or empty when it can.
// On Linux and other X11/Wayland systems a window needs DISPLAY or
// WAYLAND_DISPLAY, unless QT_QPA_PLATFORM names a platform of its own
// (for example offscreen).
std::string MissingDisplayReason(const Environment& environment);

}  // namespace velnar::app
