#include "dialogs/ModalRunner.h"

#include <QDialog>

namespace velnar::dialogs {

int ExecModalRunner::Run(QDialog& dialog)
{
    return dialog.exec();
}

}  // namespace velnar::dialogs
