#pragma once

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

void WaitMilliseconds(Pacer& pacer, int milliseconds);

}  // namespace velnar::link
