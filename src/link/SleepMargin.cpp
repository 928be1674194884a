#include "link/SleepMargin.h"

#include <algorithm>

namespace velnar::link {

SleepMargin::SleepMargin()
{
    lateness_.fill(kLongest);
}

void SleepMargin::Observe(Duration lateness)
{
    lateness_[next_] = std::max(lateness, Duration::zero());
    next_ = (next_ + 1) % kWindow;
    std::array<Duration, kWindow> sorted = lateness_;
    std::sort(sorted.begin(), sorted.end());
    coarse_ = sorted[kWindow / 2] >= kCoarse;
    margin_ = std::min(sorted[kWindow - 1 - kLeftOut] + kGuard, kLongest);
}

std::optional<SleepMargin::Duration> SleepMargin::NextMargin()
{
    if (!coarse_)
        return margin_;
    if (++spinsSinceProbe_ < kProbeEvery)
        return std::nullopt;
    spinsSinceProbe_ = 0;
    return kGuard;
}

}  // namespace velnar::link
