#include "controls/CHotButton.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>

#include "controls/ColorMath.h"
#include "controls/Emboss.h"
#include "controls/FrameDrawing.h"
#include "controls/SystemColors.h"
#include "controls/Transparency.h"
#include "res/Bitmaps.h"

namespace velnar::controls {

MenuCommandEvent::MenuCommandEvent(int commandId) : QEvent(EventType()), m_commandId(commandId) {}

QEvent::Type MenuCommandEvent::EventType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

CHotButton::CHotButton(QWidget* parent) : QPushButton(parent)
{
    // Hover follows plain mouse moves, not only drags.
    setMouseTracking(true);
    ResetColors(false);
    connect(this, &QAbstractButton::clicked, this, &CHotButton::OnClicked);
}

CHotButton::~CHotButton() = default;

void CHotButton::ApplyTemplateStyle(quint32 style)
{
    constexpr quint32 kCheckBoxBit = 0x02;  // BS_CHECKBOX, BS_AUTOCHECKBOX
    constexpr quint32 kTypeMask = 0x1F;
    constexpr quint32 kDefaultPushButton = 0x01;
    if (style & kCheckBoxBit)
        m_checkMode = true;
    if ((style & kTypeMask) == kDefaultPushButton)
        setDefault(true);
}

int CHotButton::AssignBitmaps(int hotId, QRgb hotTransparent, int normalId, QRgb normalTransparent)
{
    return AssignBitmaps(res::LoadBitmap(hotId), hotTransparent, normalId != 0 ? res::LoadBitmap(normalId) : QImage(),
                         normalTransparent);
}

int CHotButton::AssignBitmaps(const QImage& hot, QRgb hotTransparent, const QImage& normal, QRgb normalTransparent)
{
    FreeImages();
    if (!hot.isNull()) {
        const std::pair<const QImage*, QRgb> given[] = {{&hot, hotTransparent}, {&normal, normalTransparent}};
        for (std::size_t entry = 0; entry < 2; ++entry) {
            const auto& [image, transparent] = given[entry];
            if (image->isNull())
                continue;
            const QImage cleared = ApplyTransparentColour(*image, transparent);
            if (cleared.isNull()) {
                FreeImages();
                return ResultMaskFailed;
            }
            m_bitmaps[entry] = {cleared, image->width(), image->height(), transparent};
        }
    }
    // Repainted also when the images were only taken away.
    update();
    return ResultOk;
}

int CHotButton::AssignIcons(const QImage& hot, const QImage& normal)
{
    FreeImages();
    if (!hot.isNull()) {
        m_icons[0] = {hot, hot.width(), hot.height(), 0};
        if (!normal.isNull())
            m_icons[1] = {normal, normal.width(), normal.height(), 0};
    }
    update();
    return ResultOk;
}

int CHotButton::ShiftColor(quint8 index, qint16 offset, bool repaint)
{
    if (index > ColorFocusText)
        return ResultInvalidIndex;
    if (offset < -255 || offset > 255)
        return ResultBadParam;
    m_colors[index] = ShiftWithoutClipping(m_colors[index], offset);
    Repaint(repaint);
    return ResultOk;
}

int CHotButton::ResetColors(bool repaint)
{
    const QRgb face = SystemColor(SysColor::BtnFace).rgb();
    const QRgb text = SystemColor(SysColor::BtnText).rgb();
    m_colors = {face, text, face, text, face, text};
    Repaint(repaint);
    return ResultOk;
}

QRgb CHotButton::Color(quint8 index) const
{
    return index <= ColorFocusText ? m_colors[index] : 0;
}

int CHotButton::SetChecked(int check, bool repaint)
{
    if (m_checkMode) {
        m_checked = check != 0 ? 1 : 0;
        Repaint(repaint);
    }
    return ResultOk;
}

int CHotButton::IsChecked() const
{
    return m_checked;
}

int CHotButton::SetLink(const QString& link)
{
    QString kept = link.left(259);
    if (!kept.isEmpty() && kept.back().isHighSurrogate())
        kept.chop(1);
    m_link = kept;
    return ResultOk;
}

void CHotButton::SetFlat(bool flat)
{
    // Only a flat button is ever hot.
    EndHover();
    m_flat = flat;
    update();
}

void CHotButton::SetDrawBorder(bool drawBorder)
{
    m_drawBorder = drawBorder;
    update();
}

void CHotButton::SetAlign(ImageAlign align)
{
    m_align = align;
    update();
}

void CHotButton::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void CHotButton::SetFlatFocus(bool flatFocus)
{
    m_flatFocus = flatFocus;
    update();
}

void CHotButton::SetShowDisabledImage(bool show)
{
    m_showDisabledImage = show;
    update();
}

int CHotButton::PaintFace(QPainter& painter, const QRect& rect)
{
    ColorIndex face = ColorNormalBack;
    if (m_hot || m_pressed)
        face = ColorHotBack;
    else if (m_focused)
        face = ColorFocusBack;
    painter.fillRect(rect, QColor(m_colors[face]));
    return ResultOk;
}

int CHotButton::PaintFrame(QPainter& painter, const QRect& rect)
{
    const QColor shadow = SystemColor(SysColor::BtnShadow);
    const QColor highlight = SystemColor(SysColor::BtnHighlight);
    if (m_pressed)
        Draw3dRect(painter, rect, shadow, highlight);
    else
        Draw3dRect(painter, rect, highlight, shadow);
    return ResultOk;
}

void CHotButton::PaintItem(QPainter& painter, const QRect& item, bool selected, bool focused, bool disabled)
{
    if (m_checkMode)
        m_pressed = selected || m_checked;
    else
        m_pressed = selected || (m_popup.Handle() && m_menuShown);
    m_focused = focused;
    m_disabled = disabled;

    QRect work = item;
    if (!m_flat && (m_focused || isDefault())) {
        FrameRect(painter, work, Qt::black);
        work.adjust(1, 1, -1, -1);
    }
    PaintBackground(painter, work);
    PaintStateFrame(painter, work);

    QRect caption = item;
    if (!m_icons[0].image.isNull())
        DrawImage(painter, m_icons, true, item, caption);
    if (!m_bitmaps[0].image.isNull())
        DrawImage(painter, m_bitmaps, m_showDisabledImage, item, caption);
    if (!text().isEmpty())
        DrawCaption(painter, caption);

    if ((!m_flat || m_flatFocus) && m_focused)
        DrawFocusRect(painter, work.adjusted(3, 3, -3, -3), SystemColor(SysColor::BtnText));
}

void CHotButton::PaintBackground(QPainter& painter, const QRect& work)
{
    // A button without a parent has nothing to show through.
    if (!m_transparent || !parentWidget()) {
        PaintFace(painter, work);
        return;
    }
    if (m_background.isNull())
        m_background = ParentPixels();
    painter.drawImage(0, 0, m_background);
}

QImage CHotButton::ParentPixels() const
{
    const qreal ratio = devicePixelRatioF();
    QImage pixels(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    pixels.setDevicePixelRatio(ratio);
    pixels.fill(Qt::transparent);
    // The parent alone, without its children: this button is one of them.
    parentWidget()->render(&pixels, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
    return pixels;
}

void CHotButton::PaintStateFrame(QPainter& painter, const QRect& work)
{
    if (m_flat) {
        if (m_drawBorder && (m_pressed || m_hot))
            PaintFrame(painter, work);
        return;
    }
    if (m_pressed) {
        FrameRect(painter, work, SystemColor(SysColor::BtnShadow));
        return;
    }
    // The 3-D frame of a resting button; right and bottom are exclusive edges.
    const int l = work.left();
    const int t = work.top();
    const int r = work.left() + work.width();
    const int b = work.top() + work.height();
    DrawPolyline(painter, {{l, b - 1}, {l, t}, {r, t}}, SystemColor(SysColor::BtnHighlight));
    DrawPolyline(painter, {{l + 1, b - 1}, {l + 1, t + 1}, {r, t + 1}}, SystemColor(SysColor::Light3d));
    DrawPolyline(painter, {{l, b - 1}, {r - 1, b - 1}, {r - 1, t - 1}}, SystemColor(SysColor::DkShadow3d));
    DrawPolyline(painter, {{l + 1, b - 2}, {r - 2, b - 2}, {r - 2, t}}, SystemColor(SysColor::BtnShadow));
}

void CHotButton::DrawImage(QPainter& painter, const std::array<ImageEntry, 2>& entries, bool embossWhenDisabled,
                           const QRect& item, QRect& caption)
{
    // The normal image rests; the hot one shows while hot or pressed (in
    // check mode only while pressed).
    const bool active = m_checkMode ? m_pressed : m_pressed || m_hot;
    const ImageEntry& entry = !active && !entries[1].image.isNull() ? entries[1] : entries[0];
    const ImagePlacement placed = PlaceImage(m_align, !text().isEmpty(), item, caption,
                                             {entry.width, entry.height}, m_pressed && !m_checkMode);
    caption = placed.caption;
    painter.save();
    painter.setClipRect(placed.image);
    if (m_disabled && embossWhenDisabled)
        PaintDisabledImage(painter, placed.image.topLeft(), entry.image, SystemColor(SysColor::BtnHighlight),
                           SystemColor(SysColor::BtnShadow));
    else
        painter.drawImage(placed.image.topLeft(), entry.image);
    painter.restore();
}

void CHotButton::DrawCaption(QPainter& painter, QRect caption)
{
    constexpr int kFlags = Qt::TextWordWrap | Qt::AlignHCenter | Qt::TextShowMnemonic;
    if (m_pressed && !m_checkMode)
        caption.translate(1, 1);
    caption = CenterCaption(caption, painter.fontMetrics().boundingRect(caption, kFlags, text()).size());
    painter.save();
    if (m_disabled) {
        painter.setPen(SystemColor(SysColor::BtnHighlight));
        painter.drawText(caption.translated(1, 1), kFlags, text());
        painter.setPen(SystemColor(SysColor::BtnShadow));
        painter.drawText(caption, kFlags, text());
    } else {
        painter.setPen(QColor(m_colors[m_hot || m_pressed ? ColorHotText : ColorNormalText]));
        painter.drawText(caption, kFlags, text());
    }
    painter.restore();
}

void CHotButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintItem(painter, rect(), isDown(), hasFocus(), !isEnabled());
}

void CHotButton::mouseMoveEvent(QMouseEvent* event)
{
    QPushButton::mouseMoveEvent(event);
    // A drag that enters from outside does not light the button.
    if ((event->buttons() & Qt::LeftButton) && !m_hot)
        return;
    if (!m_flat)
        return;
    const bool activeWindowExists = m_alwaysTrack || QApplication::activeWindow();
    // A button that holds the mouse gets the moves from anywhere, also over
    // a window or a sibling that lies on top of it: only the widget under
    // the pointer tells whether the pointer is on this button.
    if (QApplication::widgetAt(event->globalPosition().toPoint()) == this && activeWindowExists) {
        if (!m_hot) {
            m_hot = true;
            update();
        }
        return;
    }
    EndHover();
}

void CHotButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    EndHover();
}

void CHotButton::focusOutEvent(QFocusEvent* event)
{
    QPushButton::focusOutEvent(event);
    EndHover();
}

void CHotButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        // Qt itself passes the focus on from a disabled button.
        if (!isEnabled())
            EndHover();
        break;
    case QEvent::PaletteChange:
        // The colour table keeps the colours taken at construction; only the
        // snapshot of the parent is taken again.
        m_background = QImage();
        break;
    default:
        break;
    }
}

bool CHotButton::event(QEvent* event)
{
    const bool handled = QPushButton::event(event);
    // A window that loses the activation tells its children so.
    if (event->type() == QEvent::WindowDeactivate)
        EndHover();
    return handled;
}

void CHotButton::resizeEvent(QResizeEvent* event)
{
    QPushButton::resizeEvent(event);
    m_background = QImage();
}

void CHotButton::moveEvent(QMoveEvent* event)
{
    QPushButton::moveEvent(event);
    m_background = QImage();
}

void CHotButton::OnClicked()
{
    setFocus(Qt::MouseFocusReason);
    if (m_checkMode) {
        m_checked = m_checked ? 0 : 1;
        update();
    } else if (m_popup.Handle()) {
        ShowPopupMenu();
    } else if (!m_link.isEmpty()) {
        // The platform's "open" takes a relative link as a file in the
        // current directory, never as the name of a web host.
        QDesktopServices::openUrl(QUrl::fromUserInput(m_link, QDir::currentPath(), QUrl::AssumeLocalFile));
    }
}

void CHotButton::ShowPopupMenu()
{
    const QPoint belowButton = mapToGlobal(QPoint(0, height()));
    m_menuShown = true;
    update();
    PlenMenu* menu = m_popup.SubMenu(0);
    const QPointer<CHotButton> self(this);
    const int command = menu ? menu->TrackPopupMenu(belowButton) : 0;
    // The window may have closed while the menu was open.
    if (!self)
        return;
    m_menuShown = false;
    update();
    if (command != 0 && m_menuOwner)
        QCoreApplication::postEvent(m_menuOwner, new MenuCommandEvent(command));
}

void CHotButton::EndHover()
{
    if (m_flat && m_hot) {
        m_hot = false;
        update();
    }
}

void CHotButton::FreeImages()
{
    m_icons = {};
    m_bitmaps = {};
}

void CHotButton::Repaint(bool repaint)
{
    if (repaint)
        update();
}

}  // namespace velnar::controls
