#pragma once

#include "dialogs/TemplateDialog.h"

namespace velnar::pages {

// The completion notice of a send: "Send Complete!" and OK (template 137).
class SendCompleteDialog : public dialogs::TemplateDialog {
    Q_OBJECT

public:
    explicit SendCompleteDialog(QWidget* parent = nullptr);
};

}  // namespace velnar::pages
