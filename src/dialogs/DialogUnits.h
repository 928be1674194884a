#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

namespace velnar::res {
struct DialogTemplate;
}

namespace velnar::dialogs {

// The dialog base units of a template's font, in pixels: x is the average
// width of its letters, y the height of the font. A dialog unit is a quarter
// of x horizontally and an eighth of y vertically.
struct BaseUnits {
    int x = 0;
    int y = 0;
};

// number * numerator / denominator, rounded half away from zero, as dialog
// units are converted into pixels.
int MulDiv(int number, int numerator, int denominator);

// The horizontal base unit from the width of the 52 letters A to Z and a to z
// in the font: their average width, rounded to the nearest pixel.
int HorizontalBaseUnit(int widthOfLetters);

// Position and size converted each on its own, as windows are created from
// templates: a control's right edge is its pixel x plus its pixel width.
QRect ToPixels(const QRect& dialogUnits, BaseUnits base);
QSize ToPixels(const QSize& dialogUnits, BaseUnits base);

// The pixel height of a font of `points` at `dotsPerInch`, rounded to whole
// pixels as the templates' fonts are made.
int PixelHeightOfPoints(int points, int dotsPerInch);

// The templates' pixels are those of a 96 dots-per-inch screen, the same in
// which the windows give their few pixel positions (the banner, the sheet);
// Qt scales the whole window on denser screens.
constexpr int kTemplateDotsPerInch = 96;

QFont TemplateFont(const res::DialogTemplate& dialog);
BaseUnits BaseUnitsOf(const QFont& font);

// The closed height of a drop-down combo box: one line of its font with the
// margins and the border of an edit field. Its template height also counts
// the list, which only shows when dropped down.
int ComboFieldHeight(BaseUnits base);

}  // namespace velnar::dialogs
