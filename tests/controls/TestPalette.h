#pragma once

#include <QApplication>
#include <QPalette>

// Known system colours for the rendering tests: the Windows XP button face,
// so the hot face is exactly RGB(255,252,235).
namespace test_palette {

inline const QColor kFace(236, 233, 216);
inline const QColor kText(0, 0, 0);
inline const QColor kHighlightEdge(255, 255, 255);
inline const QColor kShadowEdge(172, 168, 153);
inline const QColor kSelection(49, 106, 197);
inline const QColor kMenu(212, 208, 200);

inline QPalette Palette()
{
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Button, kFace},   {QPalette::ButtonText, kText},     {QPalette::Light, kHighlightEdge},
        {QPalette::Dark, kShadowEdge}, {QPalette::Highlight, kSelection}, {QPalette::Window, kMenu}};
    for (const auto& [role, colour] : roles)
        palette.setColor(role, colour);
    return palette;
}

// The colour of a pixel, opaque.
inline QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

}  // namespace test_palette
