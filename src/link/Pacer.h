#pragma once

#include <cstdint>

#include "link/SleepMargin.h"

namespace velnar::link {

// The unit of all protocol pacing. The sign needs at least the stated number
// of milliseconds after every byte; a pacer may take longer, never shorter.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void WaitOneMillisecond() = 0;
};

// Measures on std::chrono::steady_clock from the moment it is called. It
// sleeps for most of the millisecond and spins only the last stretch, so a
// send of minutes leaves the processor idle while each wait stays exact: a
// sleep that overshoots a timer tick would otherwise add up over the 20
// bytes of every frame. Where sleeps wake too coarsely it spins the whole
// millisecond. It does not process window events; a send blocks its thread.
class SteadyClockPacer final : public Pacer {
public:
    void WaitOneMillisecond() override;

private:
    SleepMargin margin_;
};

// A pacer whose milliseconds pass at once, counting them: for trying a send
// without a sign (dry runs) and for tests that check every wait exactly.
class VirtualClock final : public Pacer {
public:
    void WaitOneMillisecond() override { ++now_; }
    std::int64_t Now() const { return now_; }

private:
    std::int64_t now_ = 0;
};

void WaitMilliseconds(Pacer& pacer, int milliseconds);

}  // namespace velnar::link
