#include "pages/SendCompleteDialog.h"

#include "res/ResourceIds.h"

namespace velnar::pages {

SendCompleteDialog::SendCompleteDialog(QWidget* parent) : TemplateDialog(res::kSendCompleteDialog, parent) {}

}  // namespace velnar::pages
