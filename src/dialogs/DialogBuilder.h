#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>

#include "dialogs/DialogUnits.h"
#include "res/DialogTemplate.h"

namespace velnar::dialogs {

// Makes the widget of a control that needs a class of its own (for example
// the send buttons); null lets the builder make the standard one. The builder
// places it and applies the template's text and style either way.
using ControlFactory = std::function<QWidget*(const res::DialogControl& control, QWidget& parent)>;

// The controls built from a template, found by identifier.
class DialogControls {
public:
    QWidget* Find(int id) const;
    template <class Widget>
    Widget* Find(int id) const
    {
        return qobject_cast<Widget*>(Find(id));
    }

    BaseUnits Base() const { return base_; }
    // The template's client area in pixels.
    QSize ClientSize() const { return clientSize_; }

private:
    friend DialogControls BuildControls(const res::DialogTemplate&, QWidget&, const ControlFactory&);

    std::map<int, QPointer<QWidget>> byId_;
    BaseUnits base_;
    QSize clientSize_;
};

// Creates the controls of `dialog` as children of `parent`, in template order
// (which is their tab order), and gives `parent` the template's font. Each is
// placed by the dialog-unit rule and shown, enabled and captioned as its
// style and text say.
DialogControls BuildControls(const res::DialogTemplate& dialog, QWidget& parent,
                             const ControlFactory& factory = {});

// Windows frames a window without a sizing border and still maximises it.
// Window managers elsewhere let the operator drag the border of any window
// whose size is not fixed, and maximise none whose size is.
#ifdef Q_OS_WIN
inline constexpr bool kMaximiseWithoutSizingBorder = true;
#else
inline constexpr bool kMaximiseWithoutSizingBorder = false;
#endif

// Gives a top-level window the template's caption, frame buttons and client
// size, and a dialog the template's way with Enter (DialogKeys.h). Without a
// sizing border it keeps the template's size, except that where the platform
// maximises such a window it can grow beyond it.
void ApplyWindowFrame(const res::DialogTemplate& dialog, QWidget& window, QSize clientSize);

}  // namespace velnar::dialogs
