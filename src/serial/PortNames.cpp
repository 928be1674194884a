#include "serial/PortNames.h"

#include <QByteArray>

namespace velnar::serial {

QString DefaultDeviceName(int port)
{
#ifdef Q_OS_WIN
    return QStringLiteral("COM%1").arg(port);
#else
    const QByteArray variable = QByteArrayLiteral("VELNAR_COM") + QByteArray::number(port);
    const QString device = qEnvironmentVariable(variable.constData());
    if (!device.isEmpty())
        return device;
    return QStringLiteral("/dev/ttyS%1").arg(port - 1);
#endif
}

}  // namespace velnar::serial
