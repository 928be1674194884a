#include "app/PortList.h"

namespace velnar::app {

void PortList::showPopup()
{
    emit aboutToOpen();
    QComboBox::showPopup();
}

QString PortListToolTip(int port, const link::ComPort& com, const QString& previousDevice, const QString& problem)
{
    QString tip = QString::fromStdString(link::DescribeComPort(port, com));
    if (!previousDevice.isEmpty())
        tip += QStringLiteral("\nReopened: COM%1 was %2 when it was opened.").arg(port).arg(previousDevice);
    if (!problem.isEmpty())
        tip += QLatin1Char('\n') + QString::fromStdString(link::ExplainPortProblem(problem.toStdString()));
    return tip;
}

}  // namespace velnar::app
