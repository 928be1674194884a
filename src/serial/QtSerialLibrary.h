#pragma once

#include <QString>
#include <map>
#include <memory>

#include "link/SerialLibrary.h"

class QSerialPort;

namespace velnar::serial {

// The serial library on QSerialPort. It works without a running event loop,
// as a send blocks the thread: reads poll the device without waiting, and
// writes wait until the byte has left for the device.
class QtSerialLibrary final : public link::SerialLibrary {
public:
    QtSerialLibrary();
    ~QtSerialLibrary() override;

    // Opens library port `port` on `device` instead of its default device.
    void SetDeviceName(int port, const QString& device);
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
        std::string problem;
    };

    QSerialPort* OpenSerial(int port);
    int Fail(int port, int code, const QString& reason);

    std::map<int, QString> deviceNames_;
    std::map<int, Port> ports_;
};

}  // namespace velnar::serial
