#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

#include "link/SleepMargin.h"

namespace velnar::link {

// The unit of all protocol pacing. The sign needs at least the stated number
// of milliseconds after every byte; a pacer may take longer, never shorter.
class Pacer {
public:
    virtual ~Pacer() = default;
    // Returns no earlier than 1 ms after it was called.
    virtual void WaitOneMillisecond() = 0;
    // That many milliseconds in a row: no earlier than their sum after it
    // was called; 0 returns at once. As many single milliseconds unless a
    // pacer can do better.
    virtual void WaitMilliseconds(int milliseconds);
    // The time its waits pass in, in milliseconds from an arbitrary start:
    // what a send's progress is timed by.
    virtual std::int64_t NowMs() const = 0;
};

// Measures on std::chrono::steady_clock from the moment it is called. It
// sleeps for most of the wait and spins only the last stretch, so a send of
// minutes leaves the processor idle while each wait stays exact. A wait of
// many milliseconds is one span from its start: a wake-up a little late, or
// now and then much later, is paid once per wait instead of once per
// millisecond. Where sleeps wake too coarsely it spins the whole wait.
//
// A window gives it an idle function to handle its events in the waits: it
// is called with a time a few milliseconds before the deadline, may return
// earlier or later, and the pacer sleeps and spins whatever is left. A late
// return only lengthens the wait.
class SteadyClockPacer final : public Pacer {
public:
    using Clock = std::chrono::steady_clock;
    using Idle = std::function<void(Clock::time_point until)>;

    // What an idle function leaves of a wait for the exact ending.
    static constexpr std::chrono::milliseconds kIdleSlack{3};

    explicit SteadyClockPacer(Idle idle = {}) : idle_(std::move(idle)) {}

    void WaitOneMillisecond() override;
    void WaitMilliseconds(int milliseconds) override;
    std::int64_t NowMs() const override;

    const SleepMargin& Margin() const { return margin_; }

private:
    Idle idle_;
    SleepMargin margin_;
};

// A pacer whose milliseconds pass at once, counting them: for trying a send
// without a sign (dry runs) and for tests that check every wait exactly.
class VirtualClock final : public Pacer {
public:
    void WaitOneMillisecond() override { ++now_; }
    std::int64_t NowMs() const override { return now_; }
    std::int64_t Now() const { return now_; }

private:
    std::int64_t now_ = 0;
};

}  // namespace velnar::link
