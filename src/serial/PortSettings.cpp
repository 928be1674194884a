#include "serial/PortSettings.h"

#include <QSettings>

namespace velnar::serial {

namespace {

// One settings file for the editor and the tools, whichever program reads it.
QSettings UserSettings()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("velnar"),
                     QStringLiteral("velnar-messages"));
}

QString Key(int port, const char* field)
{
    return QStringLiteral("ports/COM%1/%2").arg(port).arg(QLatin1String(field));
}

}  // namespace

QString UserSettingsFile()
{
    return UserSettings().fileName();
}

link::PortMapEntries ReadPortMap()
{
    const QSettings settings = UserSettings();
    link::PortMapEntries entries;
    for (int port = 1; port <= link::kComPortCount; ++port) {
        const QString address = settings.value(Key(port, "address")).toString().trimmed();
        if (!address.isEmpty())
            entries[port] = {address.toStdString(), settings.value(Key(port, "netMargin")).toString().toStdString()};
    }
    return entries;
}

void WritePortMap(const link::PortMapEntries& entries)
{
    QSettings settings = UserSettings();
    settings.remove(QStringLiteral("ports"));
    for (const auto& [port, entry] : entries) {
        if (entry.address.empty())
            continue;
        settings.setValue(Key(port, "address"), QString::fromStdString(entry.address));
        if (!entry.netMarginMs.empty())
            settings.setValue(Key(port, "netMargin"), QString::fromStdString(entry.netMarginMs));
    }
}

}  // namespace velnar::serial
