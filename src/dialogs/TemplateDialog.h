#pragma once

#include <QDialog>

#include "dialogs/DialogBuilder.h"

namespace velnar::dialogs {

// A dialog built from its template: the template's controls, frame and way
// with Enter, and an OK button (identifier 1) that closes it.
class TemplateDialog : public QDialog {
    Q_OBJECT

public:
    explicit TemplateDialog(int templateId, QWidget* parent = nullptr, const ControlFactory& factory = {});

    QWidget* Control(int id) const { return controls_.Find(id); }

protected:
    const DialogControls& Controls() const { return controls_; }

private:
    DialogControls controls_;
};

}  // namespace velnar::dialogs
