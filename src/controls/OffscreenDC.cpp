#include "controls/OffscreenDC.h"

#include <QPaintDevice>

namespace velnar::controls {

OffscreenDC::OffscreenDC(QPainter& target, const QRect& rect) : m_target(target), m_rect(rect)
{
    const qreal ratio = target.device() ? target.device()->devicePixelRatioF() : 1.0;
    m_image = QImage(rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(Qt::transparent);
    m_painter.begin(&m_image);
    m_painter.setFont(target.font());
    m_painter.translate(-rect.topLeft());
}

OffscreenDC::~OffscreenDC()
{
    m_painter.end();
    m_target.drawImage(m_rect.topLeft(), m_image);
}

}  // namespace velnar::controls
