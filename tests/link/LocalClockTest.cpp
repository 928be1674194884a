#include <gtest/gtest.h>

#include <cstdint>
#include <ctime>

#include "link/LocalClock.h"

namespace velnar::link {
namespace {

// Days since 1970-01-01 of a Gregorian date of our era, counted in
// 400-year cycles of years that begin in March.
std::int64_t DaysSinceEpoch(int year, int month, int day)
{
    const std::int64_t y = year - (month <= 2 ? 1 : 0);
    const std::int64_t era = y / 400;
    const std::int64_t yearOfEra = y - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

// The system's local time, read as the calendar counts: a date whose weekday
// agrees with it, no further from universal time than time zones reach.
TEST(LocalClockTest, SystemClockReadsTheCalendar)
{
    const std::time_t before = std::time(nullptr);
    const LocalDateTime now = SystemLocalClock().Now();
    const std::time_t after = std::time(nullptr);
    EXPECT_TRUE(now.month >= 1 && now.month <= 12 && now.day >= 1 && now.day <= 31 && now.hour >= 0 &&
                now.hour <= 23 && now.minute >= 0 && now.minute <= 59 && now.second >= 0 && now.second <= 60);
    const std::int64_t days = DaysSinceEpoch(now.year, now.month, now.day);
    const std::int64_t seconds = days * 86400 + now.hour * 3600 + now.minute * 60 + now.second;
    const std::int64_t widestZone = 14 * 3600;
    EXPECT_GE(seconds, before - widestZone);
    EXPECT_LE(seconds, after + widestZone);
    EXPECT_EQ(now.dayOfWeek, (days + 4) % 7 + 1);  // 1970-01-01 was a Thursday
}

}  // namespace
}  // namespace velnar::link
