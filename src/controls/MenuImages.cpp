#include "controls/MenuImages.h"

#include <QPainter>

#include "controls/ColorMath.h"
#include "controls/Emboss.h"
#include "controls/Transparency.h"

namespace velnar::controls {
namespace {

template <typename Recolour>
QImage RecolourVisible(const QImage& icon, Recolour recolour)
{
    QImage result = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(line[x]) != 0)
                line[x] = recolour(line[x]);
        }
    }
    return result;
}

}  // namespace

QImage ImageToBitmap(const QImage& icon, const QColor& face)
{
    QImage bitmap(icon.size(), QImage::Format_RGB32);
    bitmap.fill(face);
    QPainter(&bitmap).drawImage(0, 0, icon);
    return bitmap;
}

QImage MakeFadedImage(const QImage& icon)
{
    return RecolourVisible(icon, [](QRgb pixel) { return BlendToWhite(pixel, 0.3); });
}

QImage MakeShadowImage(const QImage& icon, const QColor& shadow)
{
    return RecolourVisible(icon, [shadow = shadow.rgb()](QRgb) { return shadow; });
}

void PaintDisabledMenuImage(QPainter& painter, QPoint at, const QImage& icon, const QColor& background,
                            bool plain, const EmbossColors& colors)
{
    const QImage bitmap = ImageToBitmap(icon, colors.face);
    const QImage ink = plain ? DarkPixelInk(bitmap) : InkExcept(bitmap, colors.face.rgb(), colors.highlight.rgb());
    painter.fillRect(QRect(at, icon.size()), background);
    PaintEmbossed(painter, at, ink, colors.highlight, colors.shadow);
}

QImage ToolbarIcon(const ToolbarImages& toolbar, int commandId, QSize iconSize)
{
    if (commandId == 0)
        return {};
    int index = 0;
    for (int command : toolbar.commands) {
        if (command == commandId) {
            const QRect cell(index * iconSize.width(), 0, iconSize.width(), iconSize.height());
            if (!toolbar.strip.rect().contains(cell))
                return {};
            return ApplyTransparentColour(toolbar.strip.copy(cell), toolbar.transparent);
        }
        if (command != 0)
            ++index;
    }
    return {};
}

}  // namespace velnar::controls
