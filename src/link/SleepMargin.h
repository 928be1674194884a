#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>

namespace velnar::link {

// How long before a deadline a sleep must end so that the short spin after
// it still starts in time: learned from how late this system's sleeps wake
// (timer slack and scheduling, typically tens of microseconds). A sleep that
// wakes later than the margin only makes the wait longer, never shorter.
class SleepMargin {
public:
    using Duration = std::chrono::nanoseconds;

    // Spun after every sleep, beyond the lateness of the sleeps measured.
    static constexpr Duration kGuard = std::chrono::microseconds(15);
    // The longest spin: a sleep that wakes later than this was preempted,
    // and a spin would have been preempted as well. Also the margin until
    // the first wake-ups are measured.
    static constexpr Duration kLongest = std::chrono::microseconds(250);
    // Sleeps that typically wake this late cannot serve a millisecond: the
    // timer is too coarse, so the whole wait is spun.
    static constexpr Duration kCoarse = std::chrono::microseconds(500);
    // While spinning only, one wait in this many sleeps to measure again.
    static constexpr int kProbeEvery = 4096;

    SleepMargin();

    // How long before its deadline the next wait's sleep should end; nothing
    // when it should not sleep at all.
    std::optional<Duration> NextMargin();

    // How late a sleep woke after the time it was asked to end.
    void Observe(Duration lateness);

    // The margin learned so far, kLongest before any wake-up was measured.
    Duration Learned() const { return margin_; }

private:
    static constexpr std::size_t kWindow = 32;
    // The margin covers all but the few sleeps of the window that woke latest.
    static constexpr std::size_t kLeftOut = 3;

    std::array<Duration, kWindow> lateness_;
    std::size_t next_ = 0;
    Duration margin_ = kLongest;
    bool coarse_ = false;
    int spinsSinceProbe_ = 0;
};

}  // namespace velnar::link
