#pragma once

#include <QString>

#include "link/LocalClock.h"

namespace velnar::app {

// The three fields of the main window's date and time display.
struct DateDisplay {
    QString date;  // "%d/%m/%Y"
    QString time;  // "%H:%M:%S"
    QString day;   // the Turkish day name
};

// The day name for 1 = Sunday ... 7 = Saturday; empty for any other value.
QString DayName(int dayOfWeek);

DateDisplay FormatDateDisplay(const link::LocalDateTime& now);

}  // namespace velnar::app
