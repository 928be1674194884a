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

}  // namespace velnar::link
