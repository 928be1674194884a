#include "app/EditorSettings.h"

#include <QSettings>

#include "link/ComPorts.h"

namespace velnar::app {

namespace {

const QString kPortKey = QStringLiteral("port");
const QString kFolderKey = QStringLiteral("folder");

}  // namespace

int EditorSettings::PortIndex() const
{
    if (file_.isEmpty())
        return 0;
    const QSettings settings(file_, QSettings::IniFormat);
    bool number = false;
    const int index = settings.value(kPortKey).toInt(&number);
    return settings.status() == QSettings::NoError && number && index >= 0 && index < link::kComPortCount ? index : 0;
}

void EditorSettings::SetPortIndex(int index)
{
    if (!file_.isEmpty())
        QSettings(file_, QSettings::IniFormat).setValue(kPortKey, index);
}

QString EditorSettings::Folder() const
{
    if (file_.isEmpty())
        return {};
    const QSettings settings(file_, QSettings::IniFormat);
    return settings.status() == QSettings::NoError ? settings.value(kFolderKey).toString() : QString();
}

void EditorSettings::SetFolder(const QString& folder)
{
    if (!file_.isEmpty())
        QSettings(file_, QSettings::IniFormat).setValue(kFolderKey, folder);
}

}  // namespace velnar::app
