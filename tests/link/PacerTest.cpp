#include <gtest/gtest.h>

#include <chrono>

#include "link/Pacer.h"
#include "link/SleepMargin.h"

namespace velnar::link {
namespace {

using std::chrono::microseconds;

// The real clock: no wait is shorter than asked, however the sleeps before
// the spin happen to wake on this machine.
TEST(PacerTest, NoWaitIsShorter)
{
    using Clock = std::chrono::steady_clock;
    using std::chrono::duration_cast;
    SteadyClockPacer pacer;
    std::int64_t shortestSingle = 1 << 30;
    std::int64_t shortestFive = 1 << 30;
    for (int i = 0; i < 300; ++i) {
        const bool five = i % 10 == 0;
        const Clock::time_point start = Clock::now();
        if (five)
            pacer.WaitMilliseconds(5);
        else
            pacer.WaitOneMillisecond();
        std::int64_t& shortest = five ? shortestFive : shortestSingle;
        shortest = std::min(shortest, duration_cast<microseconds>(Clock::now() - start).count());
    }
    EXPECT_GE(shortestSingle, 1000);
    EXPECT_GE(shortestFive, 5000);
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
