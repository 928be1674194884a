#include <gtest/gtest.h>

#include <chrono>

#include "link/Pacer.h"
#include "link/SleepMargin.h"

namespace velnar::link {
namespace {

using std::chrono::microseconds;

// The real clock: no wait is shorter than asked, however the sleeps wake.
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

// 0 ms polls must not sleep nor teach the margin a lateness.
TEST(PacerTest, AZeroWaitNeitherSleepsNorLearns)
{
    SteadyClockPacer pacer;
    for (int i = 0; i < 40; ++i)
        pacer.WaitMilliseconds(0);
    EXPECT_EQ(pacer.Margin().Learned(), SleepMargin::kLongest);
}

}  // namespace
}  // namespace velnar::link
