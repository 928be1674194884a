#include "dialogs/DialogUnits.h"

#include <QFontMetrics>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <cstdlib>

#include "res/DialogTemplate.h"

namespace velnar::dialogs {

int MulDiv(int number, int numerator, int denominator)
{
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(denominator) / 2) / std::llabs(denominator);
    return static_cast<int>((product < 0) != (denominator < 0) ? -magnitude : magnitude);
}

int HorizontalBaseUnit(int widthOfLetters)
{
    return (widthOfLetters / 26 + 1) / 2;
}

QRect ToPixels(const QRect& dialogUnits, BaseUnits base)
{
    return {MulDiv(dialogUnits.x(), base.x, 4), MulDiv(dialogUnits.y(), base.y, 8),
            MulDiv(dialogUnits.width(), base.x, 4), MulDiv(dialogUnits.height(), base.y, 8)};
}

QSize ToPixels(const QSize& dialogUnits, BaseUnits base)
{
    return {MulDiv(dialogUnits.width(), base.x, 4), MulDiv(dialogUnits.height(), base.y, 8)};
}

int PixelHeightOfPoints(int points, int dotsPerInch)
{
    return MulDiv(points, dotsPerInch, 72);
}

QFont TemplateFont(const res::DialogTemplate& dialog)
{
    QFont font(QString::fromStdString(dialog.fontName));
    // Where Arial is missing (Wine without Windows' fonts), its metric twin
    // keeps every caption's size, and so the layout in dialog units; any
    // other stand-in would be a sans-serif one.
    if (dialog.fontName == "Arial")
        font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(PixelHeightOfPoints(dialog.fontPoints, kTemplateDotsPerInch));
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {HorizontalBaseUnit(metrics.horizontalAdvance(letters)), metrics.height()};
}

int ComboFieldHeight(BaseUnits base)
{
    constexpr int kMarginsAndBorder = 8;
    return base.y + kMarginsAndBorder;
}

}  // namespace velnar::dialogs
