#include "controls/Emboss.h"

#include <QPainter>

namespace velnar::controls {
namespace {

template <typename IsInk>
QImage Ink(const QImage& opaque, IsInk isInk)
{
    const QImage source = opaque.convertToFormat(QImage::Format_RGB32);
    QImage ink(source.size(), QImage::Format_ARGB32_Premultiplied);
    ink.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(ink.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (isInk(from[x] & RGB_MASK))
                to[x] = 0xFF000000;
        }
    }
    return ink;
}

QImage Tinted(const QImage& ink, const QColor& colour)
{
    QImage tinted = ink;
    QPainter painter(&tinted);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(tinted.rect(), colour);
    return tinted;
}

}  // namespace

QImage DarkPixelInk(const QImage& opaque)
{
    // Black is the nearer of black and white when the channels sum below 382.5.
    return Ink(opaque, [](QRgb pixel) { return qRed(pixel) + qGreen(pixel) + qBlue(pixel) < 383; });
}

QImage InkExcept(const QImage& opaque, QRgb first, QRgb second)
{
    return Ink(opaque, [first = first & RGB_MASK, second = second & RGB_MASK](QRgb pixel) {
        return pixel != first && pixel != second;
    });
}

void PaintEmbossed(QPainter& painter, QPoint at, const QImage& ink, const QColor& highlight, const QColor& shadow)
{
    painter.drawImage(at + QPoint(1, 1), Tinted(ink, highlight));
    painter.drawImage(at, Tinted(ink, shadow));
}

void PaintDisabledImage(QPainter& painter, QPoint at, const QImage& image, const QColor& highlight,
                        const QColor& shadow)
{
    QImage onWhite(image.size(), QImage::Format_RGB32);
    onWhite.fill(Qt::white);
    QPainter(&onWhite).drawImage(0, 0, image);
    PaintEmbossed(painter, at, DarkPixelInk(onWhite), highlight, shadow);
}

}  // namespace velnar::controls
