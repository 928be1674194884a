#pragma once

#include <string>

namespace velnar::link {

// A local calendar date and time to the second.
struct LocalDateTime {
    int year = 2000;
    int month = 1;   // 1..12
    int day = 1;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;
    int second = 0;
    int dayOfWeek = 7;  // as calendars count it: 1 = Sunday ... 7 = Saturday

    bool operator==(const LocalDateTime& other) const
    {
        return second == other.second && minute == other.minute && hour == other.hour && day == other.day &&
               month == other.month && year == other.year && dayOfWeek == other.dayOfWeek;
    }
    bool operator!=(const LocalDateTime& other) const { return !(*this == other); }
};

// Where the clock frames, the clock rows and the date display take the time.
class LocalClock {
public:
    virtual ~LocalClock() = default;
    virtual LocalDateTime Now() const = 0;
};

class SystemLocalClock final : public LocalClock {
public:
    LocalDateTime Now() const override;
};

// "%d/%m/%Y": 05/03/2007.
std::u16string DateText(const LocalDateTime& time);
// "%H:%M:%S": 09:04:07.
std::u16string TimeText(const LocalDateTime& time);
// A live clock row: the date, two blanks, the time; 20 characters.
std::u16string ClockRowText(const LocalDateTime& time);

}  // namespace velnar::link
