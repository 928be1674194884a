#include "serial/NetworkLine.h"

#include <QDeadlineTimer>
#include <QTcpSocket>
#include <algorithm>

namespace velnar::serial {

namespace {

bool IsTelnet(const link::NetworkAddress& address)
{
    return address.protocol == link::NetworkAddress::Protocol::Rfc2217;
}

// The system's reasons in the operator's words.
QString Reason(const QTcpSocket& socket)
{
    switch (socket.error()) {
    case QAbstractSocket::ConnectionRefusedError: return QStringLiteral("connection refused");
    case QAbstractSocket::HostNotFoundError: return QStringLiteral("name not found");
    case QAbstractSocket::RemoteHostClosedError: return QStringLiteral("the connection dropped");
    case QAbstractSocket::SocketTimeoutError: return QStringLiteral("no answer within 3 s");
    case QAbstractSocket::NetworkError:
        if (socket.errorString().contains(QStringLiteral("route"), Qt::CaseInsensitive))
            return QStringLiteral("no route to host");
        if (socket.errorString().contains(QStringLiteral("unreachable"), Qt::CaseInsensitive))
            return QStringLiteral("network unreachable");
        break;
    default: break;
    }
    return socket.errorString();
}

}  // namespace

NetworkLine::NetworkLine(link::NetworkAddress address) : address_(std::move(address)) {}
NetworkLine::~NetworkLine() = default;

NetworkLine::Outcome NetworkLine::Open()
{
    if (link::IsReservedInvalidName(address_.host)) {
        problem_ = QStringLiteral("name not found");
        return Outcome::BadAddress;
    }
    socket_ = std::make_unique<QTcpSocket>();
    socket_->connectToHost(QString::fromStdString(address_.host), static_cast<quint16>(address_.port));
    if (!socket_->waitForConnected(kTimeoutMs)) {
        problem_ = Reason(*socket_);
        return socket_->error() == QAbstractSocket::HostNotFoundError ? Outcome::BadAddress : Outcome::Unreachable;
    }
    // The sign answers every byte, and waits for every byte: none may wait
    // in the system for company.
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    if (!IsTelnet(address_))
        return Outcome::Open;
    if (!Send(link::TelnetCodec::Opening()))
        return Outcome::Unreachable;
    const QDeadlineTimer deadline(kTimeoutMs);
    while (!telnet_.ComPortAgreed() && !telnet_.ComPortRefused() && problem_.isEmpty() && !deadline.hasExpired())
        Receive(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    if (telnet_.ComPortAgreed())
        return Outcome::Open;
    if (problem_.isEmpty())
        problem_ = QStringLiteral("the server does not speak RFC 2217 (no COM-port option within 3 s)");
    socket_->abort();
    return Outcome::BadAddress;
}

bool NetworkLine::Send(const link::Bytes& bytes)
{
    if (!socket_ || socket_->state() != QAbstractSocket::ConnectedState) {
        Dropped();
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (socket_->write(reinterpret_cast<const char*>(bytes.data()), size) != size ||
        !socket_->waitForBytesWritten(kTimeoutMs)) {
        Dropped();
        return false;
    }
    return true;
}

void NetworkLine::Dropped()
{
    if (problem_.isEmpty())
        problem_ = socket_ && socket_->error() != QAbstractSocket::RemoteHostClosedError &&
                           socket_->error() != QAbstractSocket::UnknownSocketError
                       ? Reason(*socket_)
                       : QStringLiteral("the connection dropped");
}

void NetworkLine::Receive(int waitMs)
{
    if (!socket_)
        return;
    if (socket_->bytesAvailable() == 0)
        socket_->waitForReadyRead(waitMs);
    const QByteArray bytes = socket_->readAll();
    if (bytes.isEmpty()) {
        if (socket_->state() != QAbstractSocket::ConnectedState)
            Dropped();
        return;
    }
    if (!IsTelnet(address_)) {
        received_.append(bytes);
        return;
    }
    link::Bytes data;
    link::Bytes reply;
    telnet_.Take(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size()),
                 data, reply);
    received_.append(reinterpret_cast<const char*>(data.data()), static_cast<qsizetype>(data.size()));
    if (!reply.empty())
        Send(reply);
}

bool NetworkLine::AwaitConfirmed(std::initializer_list<int> commands)
{
    const QDeadlineTimer deadline(kTimeoutMs);
    const auto confirmed = [&] {
        return std::all_of(commands.begin(), commands.end(), [&](int c) { return telnet_.Confirmed(c); });
    };
    while (!confirmed() && problem_.isEmpty() && !deadline.hasExpired())
        Receive(static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
    if (confirmed())
        return true;
    if (problem_.isEmpty())
        problem_ = QStringLiteral("the server did not confirm the line settings within 3 s");
    return false;
}

bool NetworkLine::Configure(const link::LineFormat& format)
{
    if (!IsTelnet(address_))
        return problem_.isEmpty();
    return Send(link::TelnetCodec::LineSettings(format)) &&
           AwaitConfirmed({link::kComPortSetBaudRate, link::kComPortSetDataSize, link::kComPortSetParity,
                           link::kComPortSetStopSize});
}

bool NetworkLine::SetNoFlowControl()
{
    if (!IsTelnet(address_))
        return problem_.isEmpty();
    return Send(link::TelnetCodec::NoFlowControl()) && AwaitConfirmed({link::kComPortSetControl});
}

void NetworkLine::SetModemLines(bool dtr, bool rts)
{
    if (IsTelnet(address_))
        Send(link::TelnetCodec::ModemLines(dtr, rts));
}

bool NetworkLine::Write(std::uint8_t byte)
{
    if (!IsTelnet(address_))
        return Send({byte});
    link::Bytes bytes;
    link::TelnetCodec::AppendData(bytes, byte);
    return Send(bytes);
}

int NetworkLine::Read()
{
    if (received_.isEmpty())
        Receive(0);
    if (received_.isEmpty())
        return -1;
    const auto byte = static_cast<unsigned char>(received_.front());
    received_.remove(0, 1);
    return byte;
}

}  // namespace velnar::serial
