#include "app/DateDisplay.h"

#include <array>

namespace velnar::app {

QString DayName(int dayOfWeek)
{
    // Friday carries a leading blank, as the sign's operators know it.
    static const std::array<QString, 7> kNames = {
        QStringLiteral("PAZR"), QStringLiteral("PTES"),  QStringLiteral("SALI"), QStringLiteral("ÇARŞ"),
        QStringLiteral("PERŞ"), QStringLiteral(" CUMA"), QStringLiteral("CTES"),
    };
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return {};
    return kNames[static_cast<std::size_t>(dayOfWeek - 1)];
}

DateDisplay FormatDateDisplay(const link::LocalDateTime& now)
{
    return {
        QString::asprintf("%02d/%02d/%04d", now.day, now.month, now.year),
        QString::asprintf("%02d:%02d:%02d", now.hour, now.minute, now.second),
        DayName(now.dayOfWeek),
    };
}

}  // namespace velnar::app
