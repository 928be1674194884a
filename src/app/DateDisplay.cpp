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
    return kNames.at(static_cast<std::size_t>(dayOfWeek - 1));
}

DateDisplay FormatDateDisplay(const link::LocalDateTime& now)
{
    return {
        QString::fromStdU16String(link::DateText(now)),
        QString::fromStdU16String(link::TimeText(now)),
        DayName(now.dayOfWeek),
    };
}

}  // namespace velnar::app
