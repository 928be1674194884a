#include "serial/NetworkLine.h"

#include <algorithm>
#include <chrono>

namespace velnar::serial {

namespace {

using Clock = std::chrono::steady_clock;

bool IsTelnet(const link::NetworkAddress& address)
{
    return address.protocol == link::NetworkAddress::Protocol::Rfc2217;
}

int MsLeft(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return static_cast<int>(std::max<std::int64_t>(1, left));
}

}  // namespace

NetworkLine::NetworkLine(link::NetworkAddress address) : address_(std::move(address)) {}

NetworkLine::Outcome NetworkLine::Open()
{
    if (link::IsReservedInvalidName(address_.host)) {
        problem_ = QStringLiteral("name not found");
        return Outcome::BadAddress;
    }
    const TcpStream::Outcome connected = stream_.Connect(address_.host, address_.port, kTimeoutMs);
    if (connected != TcpStream::Outcome::Connected) {
        problem_ = QString::fromStdString(stream_.Problem());
        return connected == TcpStream::Outcome::NameNotFound ? Outcome::BadAddress : Outcome::Unreachable;
    }
    if (!IsTelnet(address_))
        return Outcome::Open;
    if (!Send(link::TelnetCodec::Opening()))
        return Outcome::Unreachable;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kTimeoutMs);
    while (!telnet_.ComPortAgreed() && !telnet_.ComPortRefused() && problem_.isEmpty() && Clock::now() < deadline)
        Receive(MsLeft(deadline));
    if (telnet_.ComPortAgreed())
        return Outcome::Open;
    if (problem_.isEmpty())
        problem_ = QStringLiteral("the server does not speak RFC 2217 (no COM-port option within 3 s)");
    stream_.Close();
    return Outcome::BadAddress;
}

bool NetworkLine::Send(const link::Bytes& bytes)
{
    if (stream_.Write(bytes.data(), bytes.size()))
        return true;
    Dropped();
    return false;
}

void NetworkLine::Dropped()
{
    if (problem_.isEmpty())
        problem_ = QString::fromStdString(stream_.Problem());
}

void NetworkLine::Receive(int waitMs)
{
    link::Bytes bytes;
    if (!stream_.Receive(bytes, waitMs)) {
        Dropped();
        return;
    }
    if (!IsTelnet(address_)) {
        received_.insert(received_.end(), bytes.begin(), bytes.end());
        return;
    }
    link::Bytes data;
    link::Bytes reply;
    telnet_.Take(bytes.data(), bytes.size(), data, reply);
    received_.insert(received_.end(), data.begin(), data.end());
    if (!reply.empty())
        Send(reply);
}

bool NetworkLine::AwaitConfirmed(std::initializer_list<int> commands)
{
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kTimeoutMs);
    const auto confirmed = [&] {
        return std::all_of(commands.begin(), commands.end(), [&](int c) { return telnet_.Confirmed(c); });
    };
    while (!confirmed() && problem_.isEmpty() && Clock::now() < deadline)
        Receive(MsLeft(deadline));
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
    link::Bytes bytes;
    if (IsTelnet(address_))
        link::TelnetCodec::AppendData(bytes, byte);
    else
        bytes.push_back(byte);
    return Send(bytes);
}

int NetworkLine::Read()
{
    if (received_.empty() && problem_.isEmpty())
        Receive(0);
    if (received_.empty())
        return -1;
    const std::uint8_t byte = received_.front();
    received_.pop_front();
    return byte;
}

}  // namespace velnar::serial
