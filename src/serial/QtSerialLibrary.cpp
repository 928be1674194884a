#include "serial/QtSerialLibrary.h"

#include <QFileInfo>
#include <QSerialPort>

#include "link/LineCoding.h"
#include "link/NetworkAddress.h"
#include "link/PortDirectory.h"
#include "serial/NetworkLine.h"

namespace velnar::serial {

namespace {

// Long enough for one byte at the slowest speed the coding offers, short
// enough that a wedged driver cannot hang the editor.
constexpr int kWriteTimeoutMs = 1000;

// Line control bits: DTR and RTS raised.
constexpr int kDtr = 0x01;
constexpr int kRts = 0x02;

// Flow control codes.
constexpr int kNoFlowControl = 0x00;
constexpr int kHardwareFlowControl = 0x03;
constexpr int kSoftwareFlowControl = 0x0C;

QSerialPort::Parity ToQt(link::Parity parity)
{
    switch (parity) {
    case link::Parity::None: return QSerialPort::NoParity;
    case link::Parity::Odd: return QSerialPort::OddParity;
    case link::Parity::Even: return QSerialPort::EvenParity;
    case link::Parity::Mark: return QSerialPort::MarkParity;
    case link::Parity::Space: return QSerialPort::SpaceParity;
    }
    return QSerialPort::NoParity;
}

}  // namespace

QtSerialLibrary::QtSerialLibrary(const link::PortDirectory& ports) : directory_(ports) {}
QtSerialLibrary::~QtSerialLibrary() = default;

void QtSerialLibrary::SetDeviceName(int port, const QString& device)
{
    deviceNames_[port] = device;
}

QString QtSerialLibrary::DeviceName(int port) const
{
    const auto named = deviceNames_.find(port);
    return named != deviceNames_.end() ? named->second : QString::fromStdString(directory_.Com(port).device);
}

int QtSerialLibrary::Fail(int port, int code, const QString& reason)
{
    ports_[port].problem = reason.toStdString();
    return code;
}

QSerialPort* QtSerialLibrary::OpenSerial(int port)
{
    const auto found = ports_.find(port);
    if (found == ports_.end() || !found->second.serial || !found->second.serial->isOpen())
        return nullptr;
    return found->second.serial.get();
}

NetworkLine* QtSerialLibrary::OpenNetwork(int port)
{
    const auto found = ports_.find(port);
    return found != ports_.end() ? found->second.network.get() : nullptr;
}

int QtSerialLibrary::OpenNetworkPort(int port, const QString& address)
{
    const link::ParsedAddress parsed = link::ParseNetworkAddress(address.toStdString());
    if (!parsed.address)
        return Fail(port, kErrorBadAddress, QString::fromStdString(parsed.error));
    auto network = std::make_unique<NetworkLine>(*parsed.address);
    const NetworkLine::Outcome outcome = network->Open();
    if (outcome != NetworkLine::Outcome::Open)
        return Fail(port, outcome == NetworkLine::Outcome::BadAddress ? kErrorBadAddress : kErrorOpenFailed,
                    address + QStringLiteral(": ") + network->Problem());
    ports_[port] = Port{nullptr, std::move(network), address, {}};
    return kOk;
}

// A network line's failure is the port's problem, named by its address.
int QtSerialLibrary::NetworkResult(int port, bool ok)
{
    if (ok)
        return kOk;
    Port& open = ports_[port];
    return Fail(port, kErrorIo, open.device + QStringLiteral(": ") + open.network->Problem());
}

int QtSerialLibrary::OpenPort(int port)
{
    if (OpenSerial(port) || OpenNetwork(port))
        return kOk;
    const QString device = DeviceName(port);
    if (device.isEmpty())
        return Fail(port, kErrorOpenFailed, QStringLiteral("COM%1: no such port").arg(port));
    if (link::IsNetworkAddress(device.toStdString()))
        return OpenNetworkPort(port, device);
    auto serial = std::make_unique<QSerialPort>(device);
    if (!serial->open(QIODevice::ReadWrite))
        return Fail(port, kErrorOpenFailed, device + QStringLiteral(": ") + serial->errorString());
    ports_[port] = Port{std::move(serial), nullptr, device, {}};
    return kOk;
}

int QtSerialLibrary::ClosePort(int port)
{
    if (QSerialPort* serial = OpenSerial(port))
        serial->close();
    if (OpenNetwork(port))
        ports_[port].network.reset();
    return kOk;
}

int QtSerialLibrary::ConfigurePort(int port, int speedCode, int lineModeCode)
{
    QSerialPort* serial = OpenSerial(port);
    NetworkLine* network = OpenNetwork(port);
    if (!serial && !network)
        return kErrorNotOpen;
    const auto format = link::DecodeLineCoding(speedCode, lineModeCode);
    if (!format)
        return Fail(port, kErrorUnsupported, QStringLiteral("unsupported line coding %1/%2").arg(speedCode).arg(lineModeCode));
    if (network)
        return NetworkResult(port, network->Configure(*format));
    const bool configured = serial->setBaudRate(format->bitsPerSecond) &&
                            serial->setDataBits(static_cast<QSerialPort::DataBits>(format->dataBits)) &&
                            serial->setParity(ToQt(format->parity)) &&
                            serial->setStopBits(format->stopBits == 2 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    if (!configured)
        return Fail(port, kErrorIo, serial->errorString());
    return kOk;
}

int QtSerialLibrary::SetLineControlA(int port, int value)
{
    QSerialPort* serial = OpenSerial(port);
    NetworkLine* network = OpenNetwork(port);
    if (!serial && !network)
        return kErrorNotOpen;
    if (value & ~(kDtr | kRts))
        return kErrorUnsupported;
    if (network) {
        network->SetModemLines(value & kDtr, value & kRts);
        return kOk;
    }
    // Modem lines are optional: a line without them (a pseudo-terminal, some
    // adapters) still carries the sign's bytes, so this is not a port problem.
    const bool dtr = serial->setDataTerminalReady(value & kDtr);
    const bool rts = serial->setRequestToSend(value & kRts);
    return dtr && rts ? kOk : kErrorUnsupported;
}

int QtSerialLibrary::SetLineControlB(int port, int value)
{
    QSerialPort* serial = OpenSerial(port);
    NetworkLine* network = OpenNetwork(port);
    if (!serial && !network)
        return kErrorNotOpen;
    // A serial server's own line has no flow control the sign could use.
    if (network && value == kNoFlowControl)
        return NetworkResult(port, network->SetNoFlowControl());
    if (network)
        return Fail(port, kErrorUnsupported, QStringLiteral("unsupported flow control %1").arg(value));
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
    switch (value) {
    case kNoFlowControl: flow = QSerialPort::NoFlowControl; break;
    case kHardwareFlowControl: flow = QSerialPort::HardwareControl; break;
    case kSoftwareFlowControl: flow = QSerialPort::SoftwareControl; break;
    default: return Fail(port, kErrorUnsupported, QStringLiteral("unsupported flow control %1").arg(value));
    }
    if (!serial->setFlowControl(flow))
        return Fail(port, kErrorIo, serial->errorString());
    return kOk;
}

int QtSerialLibrary::WriteByte(int port, int value)
{
    if (NetworkLine* network = OpenNetwork(port))
        return NetworkResult(port, network->Write(static_cast<std::uint8_t>(value & 0xFF)));
    QSerialPort* serial = OpenSerial(port);
    if (!serial)
        return kErrorNotOpen;
    const char byte = static_cast<char>(value & 0xFF);
    if (serial->write(&byte, 1) == 1 && serial->waitForBytesWritten(kWriteTimeoutMs))
        return kOk;
    // An adapter pulled out takes its device with it; the system's words
    // for the failed write then say little.
    const QString& device = ports_[port].device;
    const QString reason = QFileInfo::exists(device) ? serial->errorString()
                                                      : QStringLiteral("the device is gone; was the adapter unplugged?");
    return Fail(port, kErrorIo, device + QStringLiteral(": ") + reason);
}

int QtSerialLibrary::ReadByte(int port)
{
    if (NetworkLine* network = OpenNetwork(port)) {
        const int byte = network->Read();
        NetworkResult(port, network->Problem().isEmpty());
        return byte < 0 ? kNoByte : byte;
    }
    QSerialPort* serial = OpenSerial(port);
    if (!serial)
        return kNoByte;
    if (serial->bytesAvailable() == 0) {
        // Takes what the device holds without blocking; no event loop needed.
        serial->waitForReadyRead(0);
        serial->clearError();
    }
    char byte = 0;
    if (!serial->getChar(&byte))
        return kNoByte;
    return static_cast<unsigned char>(byte);
}

std::string QtSerialLibrary::PortProblem(int port) const
{
    const auto found = ports_.find(port);
    return found != ports_.end() ? found->second.problem : std::string();
}

}  // namespace velnar::serial
