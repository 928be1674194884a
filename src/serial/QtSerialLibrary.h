#pragma once

#include <QString>
#include <map>
#include <memory>

#include "link/SerialLibrary.h"

class QSerialPort;

namespace velnar::link {
class PortDirectory;
}

namespace velnar::serial {

// The serial library on QSerialPort, and on a NetworkLine for a port that
// names a network serial server. It works without a running event loop,
// as a send blocks the thread: reads poll the device without waiting, and
// writes wait until the byte has left for the device.
class NetworkLine;

class QtSerialLibrary final : public link::SerialLibrary {
public:
    // Library port n opens the device that `ports` names for COMn when the
    // port is opened.
    explicit QtSerialLibrary(const link::PortDirectory& ports);
    ~QtSerialLibrary() override;

    // Opens library port `port` on `device` instead of the directory's.
    void SetDeviceName(int port, const QString& device);
    // Empty when nothing maps to the port.
    QString DeviceName(int port) const;

    int OpenPort(int port) override;
    int ClosePort(int port) override;
    int ConfigurePort(int port, int speedCode, int lineModeCode) override;
    int SetLineControlA(int port, int value) override;
    int SetLineControlB(int port, int value) override;
    int WriteByte(int port, int value) override;
    int ReadByte(int port) override;
    std::string PortProblem(int port) const override;

private:
    struct Port {
        std::unique_ptr<QSerialPort> serial;
        std::unique_ptr<NetworkLine> network;
        QString device;
        std::string problem;
    };

    QSerialPort* OpenSerial(int port);
    NetworkLine* OpenNetwork(int port);
    int OpenNetworkPort(int port, const QString& address);
    int NetworkResult(int port, bool ok);
    int Fail(int port, int code, const QString& reason);

    const link::PortDirectory& directory_;
    std::map<int, QString> deviceNames_;
    std::map<int, Port> ports_;
};

}  // namespace velnar::serial
