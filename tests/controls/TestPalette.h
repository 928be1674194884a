#pragma once

#include <QApplication>
#include <QPalette>

// Known system colours for the rendering tests: the Windows XP button face,
// so the hot face is exactly RGB(255,252,235).
namespace test_palette {

inline const QColor kFace(236, 233, 216);
inline const QColor kText(0, 0, 0);
inline const QColor kHighlightEdge(255, 255, 255);
inline const QColor kLightEdge(241, 239, 226);
inline const QColor kShadowEdge(172, 168, 153);
inline const QColor kDarkShadowEdge(113, 111, 100);
inline const QColor kSelection(49, 106, 197);
inline const QColor kSelectionText(255, 255, 255);
inline const QColor kMenu(212, 208, 200);
inline const QColor kWindowColour(255, 255, 255);
inline const QColor kGrayText(172, 168, 153);

inline QPalette Palette()
{
    QPalette palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Button, kFace);
        palette.setColor(group, QPalette::ButtonText, kText);
        palette.setColor(group, QPalette::Light, kHighlightEdge);
        palette.setColor(group, QPalette::Midlight, kLightEdge);
        palette.setColor(group, QPalette::Dark, kShadowEdge);
        palette.setColor(group, QPalette::Shadow, kDarkShadowEdge);
        palette.setColor(group, QPalette::Highlight, kSelection);
        palette.setColor(group, QPalette::HighlightedText, kSelectionText);
        palette.setColor(group, QPalette::Window, kMenu);
        palette.setColor(group, QPalette::WindowText, kText);
        palette.setColor(group, QPalette::Base, kWindowColour);
        palette.setColor(group, QPalette::Text, group == QPalette::Disabled ? kGrayText : kText);
    }
    return palette;
}

// The colour of a pixel, opaque.
inline QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

inline QRgb At(const QImage& image, QPoint point)
{
    return At(image, point.x(), point.y());
}

}  // namespace test_palette
