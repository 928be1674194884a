#include "serial/SystemPorts.h"

#include <QSerialPortInfo>

#include "serial/PortSettings.h"

namespace velnar::serial {

std::vector<link::SystemPort> ListSystemPorts()
{
    std::vector<link::SystemPort> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
#ifdef Q_OS_WIN
        const QString device = info.portName();  // "COM3", as the library opens it
#else
        const QString device = info.systemLocation();
#endif
        ports.push_back({device.toStdString(), info.description().toStdString()});
    }
    return ports;
}

link::PortDirectory SystemPortDirectory()
{
#ifdef Q_OS_WIN
    constexpr auto naming = link::PortDirectory::Naming::System;
#else
    constexpr auto naming = link::PortDirectory::Naming::Mapped;
#endif
    return link::PortDirectory(
        ListSystemPorts,
        [](const std::string& name) { return qEnvironmentVariable(name.c_str()).toStdString(); }, naming,
        ReadPortMap);
}

}  // namespace velnar::serial
