#pragma once

#include "dialogs/TemplateDialog.h"

namespace velnar::app {

// The about box: the icon, "VELNAR MESSAGES 1.0 " and OK (template 100).
class CAboutDialog : public dialogs::TemplateDialog {
    Q_OBJECT

public:
    explicit CAboutDialog(QWidget* parent = nullptr);
};

}  // namespace velnar::app
