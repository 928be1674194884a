#include "tests/support/Ser2net.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace velnar::testing {

namespace {

sockaddr_in Loopback(int port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return address;
}

bool Listens(int port)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in address = Loopback(port);
    const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

}  // namespace

int FreeLoopbackPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = Loopback(0);
    socklen_t size = sizeof address;
    const bool bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
                       getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0;
    close(fd);
    return bound ? ntohs(address.sin_port) : 0;
}

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
    // Only the raw port: probing the Telnet port would open the device and set its line.
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
