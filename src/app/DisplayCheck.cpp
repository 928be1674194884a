#include "app/DisplayCheck.h"

namespace velnar::app {
namespace {

// Windows and macOS always have their own window system.
#if defined(_WIN32) || defined(__APPLE__)
constexpr bool kNeedsDisplayVariable = false;
#else
constexpr bool kNeedsDisplayVariable = true;
#endif

bool IsSet(const Environment& environment, const char* name)
{
    const char* value = environment(name);
    return value && *value;
}

}  // namespace

std::string MissingDisplayReason(const Environment& environment)
{
    if (!kNeedsDisplayVariable || IsSet(environment, "QT_QPA_PLATFORM") || IsSet(environment, "DISPLAY") ||
        IsSet(environment, "WAYLAND_DISPLAY"))
        return {};
    return "no display to show the editor on: neither DISPLAY nor WAYLAND_DISPLAY is set. "
           "Start it in a graphical session, or under xvfb-run for a virtual one.";
}

}  // namespace velnar::app
