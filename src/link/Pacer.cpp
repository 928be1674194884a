#include "link/Pacer.h"

#include <chrono>
#include <thread>

namespace velnar::link {

void SteadyClockPacer::WaitOneMillisecond()
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(1);
    if (const auto margin = margin_.NextMargin()) {
        const Clock::time_point wakeAt = deadline - *margin;
        std::this_thread::sleep_until(wakeAt);
        margin_.Observe(Clock::now() - wakeAt);
    }
    while (Clock::now() < deadline) {
    }
}

void WaitMilliseconds(Pacer& pacer, int milliseconds)
{
    for (int i = 0; i < milliseconds; ++i)
        pacer.WaitOneMillisecond();
}

}  // namespace velnar::link
