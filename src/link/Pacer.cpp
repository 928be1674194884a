#include "link/Pacer.h"

#include <chrono>
#include <thread>

namespace velnar::link {

void Pacer::WaitMilliseconds(int milliseconds)
{
    for (int i = 0; i < milliseconds; ++i)
        WaitOneMillisecond();
}

void SteadyClockPacer::WaitOneMillisecond()
{
    WaitMilliseconds(1);
}

std::int64_t SteadyClockPacer::NowMs() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now().time_since_epoch()).count();
}

void SteadyClockPacer::WaitMilliseconds(int milliseconds)
{
    // A reply poll without a wait before it: sleeping to a deadline already
    // past would only teach the margin a lateness that no sleep had.
    if (milliseconds <= 0)
        return;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    if (idle_ && milliseconds > kIdleSlack.count())
        idle_(deadline - kIdleSlack);
    if (const auto margin = margin_.NextMargin()) {
        const Clock::time_point wakeAt = deadline - *margin;
        // Only a sleep that began in time tells how late this system wakes.
        if (Clock::now() < wakeAt) {
            std::this_thread::sleep_until(wakeAt);
            margin_.Observe(Clock::now() - wakeAt);
        }
    }
    while (Clock::now() < deadline) {
    }
}

}  // namespace velnar::link
