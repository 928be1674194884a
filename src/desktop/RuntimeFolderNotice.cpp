#include "desktop/RuntimeFolderNotice.h"

#include <QString>
#include <QtGlobal>

namespace velnar::desktop {

namespace {

QtMessageHandler passOn = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith(QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    passOn(type, context, message);
}

}  // namespace

void DropRuntimeFolderNotice()
{
    passOn = qInstallMessageHandler(Filter);
}

}  // namespace velnar::desktop
