#include "dialogs/DialogBuilder.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <algorithm>

#include "dialogs/DialogKeys.h"
#include "res/DialogStyles.h"
#include "res/Icons.h"

namespace velnar::dialogs {
namespace {

using res::ControlKind;
using res::DialogControl;

bool Has(std::uint32_t style, std::uint32_t bits)
{
    return (style & bits) == bits;
}

QWidget* MakeEdit(const DialogControl& control, QWidget& parent)
{
    const std::uint32_t style = control.style;
    if (!Has(style, res::EditMultiLine)) {
        auto* edit = new QLineEdit(&parent);
        edit->setFrame(Has(style, res::StyleBorder));
        edit->setReadOnly(Has(style, res::EditReadOnly));
        return edit;
    }
    auto* edit = new QPlainTextEdit(&parent);
    edit->setFrameShape(Has(style, res::StyleBorder) ? QFrame::StyledPanel : QFrame::NoFrame);
    edit->setReadOnly(Has(style, res::EditReadOnly));
    // Without horizontal scrolling the text wraps at the edit's width.
    edit->setLineWrapMode(Has(style, res::EditAutoHScroll) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    edit->setVerticalScrollBarPolicy(Has(style, res::StyleVScroll) ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Has(style, res::StyleHScroll) ? Qt::ScrollBarAlwaysOn
                                                                      : Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control, as in any dialog.
    edit->setTabChangesFocus(true);
    if (!Has(style, res::EditWantReturn))
        HandEnterToDialog(*edit);
    // A thin margin, so that one line fits an edit one text line high.
    edit->document()->setDocumentMargin(1);
    return edit;
}

QWidget* MakeStatic(const DialogControl& control, QWidget& parent)
{
    auto* label = new QLabel(&parent);
    label->setTextFormat(Qt::PlainText);
    // A static paints its whole rectangle in the window's colour, over
    // whatever the window drew there.
    label->setAutoFillBackground(true);
    switch (control.style & res::StaticTypeMask) {
    case res::StaticCenter: label->setAlignment(Qt::AlignHCenter | Qt::AlignTop); break;
    case res::StaticRight: label->setAlignment(Qt::AlignRight | Qt::AlignTop); break;
    default:
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        break;
    }
    return label;
}

QWidget* MakeIcon(const DialogControl& control, QWidget& parent)
{
    constexpr int kIconSize = 32;
    auto* label = new QLabel(&parent);
    label->setPixmap(res::LoadIconResource(control.imageId).pixmap(kIconSize, kIconSize));
    return label;
}

QWidget* MakeStandard(const DialogControl& control, QWidget& parent)
{
    switch (control.kind) {
    case ControlKind::PushButton: {
        auto* button = new QPushButton(&parent);
        if ((control.style & res::ButtonTypeMask) == res::ButtonDefPush) {
            // The template's default button; other buttons are default only
            // while they have the focus (DialogKeys.h).
            button->setDefault(true);
            button->setAutoDefault(false);
        }
        return button;
    }
    case ControlKind::CheckBox: return new QCheckBox(&parent);
    case ControlKind::Edit: return MakeEdit(control, parent);
    // The editable field of a drop-down combo box is not offered: the editor
    // takes only selections from the list, so typed text would only mislead.
    case ControlKind::ComboBox: return new QComboBox(&parent);
    case ControlKind::Static: return MakeStatic(control, parent);
    case ControlKind::Icon: return MakeIcon(control, parent);
    }
    return nullptr;
}

void ApplyText(QWidget& widget, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(&widget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(&widget); label && label->pixmap().isNull())
        label->setText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(&widget))
        line->setText(text);
    else if (auto* edit = qobject_cast<QPlainTextEdit*>(&widget))
        edit->setPlainText(text);
}

QRect PixelGeometry(const DialogControl& control, const QWidget& widget, BaseUnits base)
{
    QRect pixels = ToPixels(QRect(control.x, control.y, control.width, control.height), base);
    switch (control.kind) {
    case ControlKind::ComboBox: pixels.setHeight(std::min(pixels.height(), ComboFieldHeight(base))); break;
    case ControlKind::CheckBox: {
        // Never narrower than the box itself, so that the box shows whole.
        const QStyle* style = widget.style();
        pixels.setWidth(std::max(pixels.width(), style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget)));
        pixels.setHeight(
            std::max(pixels.height(), style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &widget)));
        break;
    }
    case ControlKind::Icon: {
        // An icon control takes the size of its icon.
        const auto* label = static_cast<const QLabel*>(&widget);
        pixels.setSize(label->pixmap().deviceIndependentSize().toSize());
        break;
    }
    default: break;
    }
    return pixels;
}

}  // namespace

QWidget* DialogControls::Find(int id) const
{
    const auto found = byId_.find(id);
    return found != byId_.end() ? found->second.data() : nullptr;
}

DialogControls BuildControls(const res::DialogTemplate& dialog, QWidget& parent, const ControlFactory& factory)
{
    DialogControls controls;
    parent.setFont(TemplateFont(dialog));
    controls.base_ = BaseUnitsOf(parent.font());
    controls.clientSize_ = ToPixels(QSize(dialog.width, dialog.height), controls.base_);

    for (const DialogControl& control : dialog.controls) {
        QWidget* widget = factory ? factory(control, parent) : nullptr;
        if (!widget)
            widget = MakeStandard(control, parent);
        ApplyText(*widget, QString::fromStdString(control.text));
        widget->setGeometry(PixelGeometry(control, *widget, controls.base_));
        if (!Has(control.style, res::StyleTabStop) && widget->focusPolicy() != Qt::NoFocus)
            widget->setFocusPolicy(Qt::ClickFocus);
        widget->setEnabled(!Has(control.style, res::StyleDisabled));
        widget->setVisible(Has(control.style, res::StyleVisible));
        if (control.id != res::kNoId)
            controls.byId_[control.id] = widget;
    }
    return controls;
}

void ApplyWindowFrame(const res::DialogTemplate& dialog, QWidget& window, QSize clientSize)
{
    const std::uint32_t style = dialog.style;
    Qt::WindowFlags flags = Has(dialog.exStyle, res::ExStyleAppWindow) ? Qt::Window : Qt::Dialog;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (Has(style, res::StyleSysMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (Has(style, res::StyleMinimizeBox))
        flags |= Qt::WindowMinimizeButtonHint;
    if (Has(style, res::StyleMaximizeBox))
        flags |= Qt::WindowMaximizeButtonHint;
    if (!Has(style, res::StyleThickFrame))
        flags |= Qt::MSWindowsFixedSizeDialogHint;
    window.setWindowFlags(flags);
    window.setWindowTitle(QString::fromStdString(dialog.caption));

    if (auto* dialogWindow = qobject_cast<QDialog*>(&window))
        CloseOnEnter(*dialogWindow);

    window.resize(clientSize);
    if (!Has(style, res::StyleThickFrame)) {
        if (Has(style, res::StyleMaximizeBox) && kMaximiseWithoutSizingBorder)
            window.setMinimumSize(clientSize);
        else
            window.setFixedSize(clientSize);
    }
}

}  // namespace velnar::dialogs
