#pragma once

#include <QFontMetrics>
#include <QRect>
#include <cmath>

namespace velnar::testing {

// The dialog-unit rule in floating point, independent of the builder.
inline QRect TemplatePixels(const QFont& font, QRect units)
{
    const QFontMetrics metrics(font);
    const double x = std::lround(
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz")) / 52.0);
    const double y = metrics.height();
    auto scaled = [](int units, double base, int divisor) { return int(std::floor(units * base / divisor + 0.5)); };
    return {scaled(units.x(), x, 4), scaled(units.y(), y, 8), scaled(units.width(), x, 4),
            scaled(units.height(), y, 8)};
}

}  // namespace velnar::testing
