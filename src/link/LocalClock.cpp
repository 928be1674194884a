#include "link/LocalClock.h"

#include <ctime>

namespace velnar::link {

LocalDateTime SystemLocalClock::Now() const
{
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
#ifdef _WIN32
    localtime_s(&parts, &now);
#else
    localtime_r(&now, &parts);
#endif
    LocalDateTime result;
    result.year = parts.tm_year + 1900;
    result.month = parts.tm_mon + 1;
    result.day = parts.tm_mday;
    result.hour = parts.tm_hour;
    result.minute = parts.tm_min;
    result.second = parts.tm_sec;
    result.dayOfWeek = parts.tm_wday + 1;
    return result;
}

namespace {

// Two digits, or four for a year: the fields are never wider in practice.
std::u16string Digits(int value, int width)
{
    std::u16string text(static_cast<std::size_t>(width), u'0');
    for (int i = width - 1; i >= 0 && value > 0; --i, value /= 10)
        text[static_cast<std::size_t>(i)] = static_cast<char16_t>(u'0' + value % 10);
    return text;
}

}  // namespace

std::u16string DateText(const LocalDateTime& time)
{
    return Digits(time.day, 2) + u'/' + Digits(time.month, 2) + u'/' + Digits(time.year, 4);
}

std::u16string TimeText(const LocalDateTime& time)
{
    return Digits(time.hour, 2) + u':' + Digits(time.minute, 2) + u':' + Digits(time.second, 2);
}

std::u16string ClockRowText(const LocalDateTime& time)
{
    return DateText(time) + u"  " + TimeText(time);
}

}  // namespace velnar::link
