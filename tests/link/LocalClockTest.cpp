#include <gtest/gtest.h>

#include "link/LocalClock.h"

namespace velnar::link {
namespace {

TEST(LocalClockTest, DateTimeAndClockRowTexts)
{
    const struct {
        LocalDateTime time;
        std::u16string date;
        std::u16string clockRow;
    } cases[] = {
        {{2007, 3, 5, 9, 4, 7, 2}, u"05/03/2007", u"05/03/2007  09:04:07"},
        {{2026, 12, 6, 0, 5, 9, 1}, u"06/12/2026", u"06/12/2026  00:05:09"},
        {{2009, 12, 31, 23, 59, 59, 5}, u"31/12/2009", u"31/12/2009  23:59:59"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DateText(c.time), c.date);
        EXPECT_EQ(ClockRowText(c.time), c.clockRow);
        EXPECT_EQ(TimeText(c.time), c.clockRow.substr(12));
    }
}

}  // namespace
}  // namespace velnar::link
