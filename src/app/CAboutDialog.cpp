#include "app/CAboutDialog.h"

#include "res/ResourceIds.h"

namespace velnar::app {

CAboutDialog::CAboutDialog(QWidget* parent) : TemplateDialog(res::kAboutDialog, parent) {}

}  // namespace velnar::app
