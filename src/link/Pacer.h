#pragma once

#include <cstdint>

namespace velnar::link {

// The unit of all protocol pacing. The sign needs at least the stated number
// of milliseconds after every byte; a pacer may take longer, never shorter.
class Pacer {
public:
    virtual ~Pacer() = default;
    virtual void WaitOneMillisecond() = 0;
};

// Spins on std::chrono::steady_clock: a scheduler sleep would overshoot by a
// whole timer tick on some systems, which multiplies over the 20 bytes of a
// frame. It does not process window events; a send blocks its thread.
class SteadyClockPacer final : public Pacer {
public:
    void WaitOneMillisecond() override;
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
