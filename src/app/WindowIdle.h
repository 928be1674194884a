#pragma once

#include "link/Pacer.h"

namespace velnar::app {

// The window's events handled in the pacer's idle time during a send:
// repaints, the timers, and the progress window's Stop, until `until`.
void HandleWindowEventsUntil(link::SteadyClockPacer::Clock::time_point until);

}  // namespace velnar::app
