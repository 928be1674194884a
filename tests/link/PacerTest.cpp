#include <gtest/gtest.h>

#include <chrono>

#include "link/Pacer.h"
#include "link/SleepMargin.h"

namespace velnar::link {
namespace {

using std::chrono::microseconds;

// The real clock: every single millisecond is at least one, however the
// sleeps before the spin happen to wake on this machine.
TEST(PacerTest, NoMillisecondIsShorter)
{
    using Clock = std::chrono::steady_clock;
    SteadyClockPacer pacer;
    Clock::duration shortest = std::chrono::hours(1);
    for (int i = 0; i < 300; ++i) {
        const Clock::time_point start = Clock::now();
        pacer.WaitOneMillisecond();
        shortest = std::min(shortest, Clock::now() - start);
    }
    EXPECT_GE(std::chrono::duration_cast<microseconds>(shortest).count(), 1000);
}

SleepMargin AfterWakeUps(int count, microseconds lateness)
{
    SleepMargin margin;
    for (int i = 0; i < count; ++i)
        margin.Observe(lateness);
    return margin;
}

TEST(SleepMarginTest, FollowsHowLateSleepsWake)
{
    using std::chrono::milliseconds;
    struct Case {
        const char* what;
        int fine;  // sleeps that woke 80 us late
        int late;  // then sleeps that woke 5 ms late
        std::optional<SleepMargin::Duration> expected;
    };
    const SleepMargin::Duration fine = microseconds(80) + SleepMargin::kGuard;
    const Case cases[] = {
        {"nothing measured yet", 0, 0, SleepMargin::kLongest},
        {"a window of fine wake-ups", 32, 0, fine},
        {"three preemptions are left out", 32, 3, fine},
        {"a fourth one is not spun out in full", 32, 4, SleepMargin::kLongest},
        {"a timer too coarse for a millisecond", 32, 16, std::nullopt},
    };
    for (const Case& c : cases) {
        SleepMargin margin = AfterWakeUps(c.fine, microseconds(80));
        for (int i = 0; i < c.late; ++i)
            margin.Observe(milliseconds(5));
        EXPECT_EQ(margin.NextMargin(), c.expected) << c.what;
    }
}

TEST(SleepMarginTest, SpinningOnlyProbesNowAndThenAndRecovers)
{
    SleepMargin margin = AfterWakeUps(32, microseconds(3000));
    int sleeps = 0;
    for (int i = 0; i < 2 * SleepMargin::kProbeEvery; ++i) {
        if (const auto next = margin.NextMargin()) {
            ++sleeps;
            EXPECT_EQ(*next, SleepMargin::kGuard);
        }
    }
    EXPECT_EQ(sleeps, 2);

    for (int i = 0; i < 32; ++i)
        margin.Observe(microseconds(60));
    EXPECT_EQ(margin.NextMargin(), microseconds(60) + SleepMargin::kGuard);
}

}  // namespace
}  // namespace velnar::link
