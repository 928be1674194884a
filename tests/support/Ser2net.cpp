#include "tests/support/Ser2net.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace velnar::testing {

int FreeLoopbackPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    return server.serverPort();
}

namespace {

bool Listens(int port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, static_cast<quint16>(port));
    return socket.waitForConnected(200);
}

}  // namespace

Ser2net::Ser2net(const QString& device) : rawPort_(FreeLoopbackPort()), telnetPort_(FreeLoopbackPort())
{
    const QString config = folder_.filePath(QStringLiteral("ser2net.yaml"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(QStringLiteral("connection: &raw\n"
                              "  accepter: tcp,127.0.0.1,%1\n"
                              "  connector: serialdev,%3,9600n81,local\n"
                              "connection: &rfc2217\n"
                              "  accepter: telnet(rfc2217),tcp,127.0.0.1,%2\n"
                              "  connector: serialdev,%3,1200n82,local\n")
                   .arg(rawPort_)
                   .arg(telnetPort_)
                   .arg(device)
                   .toUtf8());
    file.close();
    const QString program = QStandardPaths::findExecutable(
        QStringLiteral("ser2net"), {QStringLiteral("/usr/sbin"), QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/bin")});
    if (program.isEmpty())
        return;
    process_.setStandardErrorFile(QProcess::nullDevice());
    process_.start(program, {QStringLiteral("-n"), QStringLiteral("-c"), config, QStringLiteral("-P"),
                             folder_.filePath(QStringLiteral("ser2net.pid"))});
    process_.waitForStarted();
    // Asking only for the raw port: a probe of the Telnet port would open the
    // device and set its line.
    const QDeadlineTimer deadline(5000);
    while (!Listens(rawPort_) && !deadline.hasExpired() && process_.state() == QProcess::Running)
        QThread::msleep(20);
    started_ = process_.state() == QProcess::Running && Listens(rawPort_);
}

void Ser2net::Stop()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(5000)) {
        process_.kill();
        process_.waitForFinished();
    }
}

}  // namespace velnar::testing
