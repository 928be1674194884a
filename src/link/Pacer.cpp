#include "link/Pacer.h"

#include <chrono>

namespace velnar::link {

void SteadyClockPacer::WaitOneMillisecond()
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    while (Clock::now() - start < std::chrono::milliseconds(1)) {
    }
}

void WaitMilliseconds(Pacer& pacer, int milliseconds)
{
    for (int i = 0; i < milliseconds; ++i)
        pacer.WaitOneMillisecond();
}

}  // namespace velnar::link
