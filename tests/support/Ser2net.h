#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace velnar::testing {

// ser2net on loopback, raw and RFC 2217; the Telnet port starts the device at 1200 bit/s 2 stop bits.
class Ser2net {
public:
    explicit Ser2net(const QString& device);
    ~Ser2net() { Stop(); }

    // Whether it listens on both ports.
    bool Started() const { return started_; }
    QString RawAddress() const { return QStringLiteral("tcp://127.0.0.1:%1").arg(rawPort_); }
    QString Rfc2217Address() const { return QStringLiteral("rfc2217://127.0.0.1:%1").arg(telnetPort_); }
    void Stop();

private:
    QTemporaryDir folder_;
    QProcess process_;
    int rawPort_ = 0;
    int telnetPort_ = 0;
    bool started_ = false;
};

// A TCP port on 127.0.0.1 that nothing listens on at the moment.
int FreeLoopbackPort();

}  // namespace velnar::testing
