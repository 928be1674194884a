#pragma once

#include <QString>
#include <deque>

#include "link/NetworkAddress.h"
#include "link/TelnetCodec.h"
#include "serial/TcpStream.h"

namespace velnar::serial {

// The sign's line on a network serial server, raw or with Telnet's COM-port
// option. Like a device it works without an event loop: reads take what
// has arrived without waiting, writes wait until the byte has left.
class NetworkLine {
public:
    // A connection and a negotiation with the server each get this long.
    static constexpr int kTimeoutMs = 3000;

    enum class Outcome { Open, Unreachable, BadAddress };

    explicit NetworkLine(link::NetworkAddress address);

    // Connects, with Nagle's algorithm off (the sign waits for each byte);
    // on an RFC 2217 server also agrees the COM-port option. BadAddress when
    // the address cannot be what was meant: a name that does not resolve, a
    // server that does not speak RFC 2217.
    Outcome Open();
    // Sets the server's line (RFC 2217) and waits for the server to confirm
    // it; a raw server's line is set on the server.
    bool Configure(const link::LineFormat& format);
    bool SetNoFlowControl();
    void SetModemLines(bool dtr, bool rts);
    bool Write(std::uint8_t byte);
    // 0..255, or -1 when nothing is waiting.
    int Read();
    // Why the line does not work, in words; empty while it does.
    const QString& Problem() const { return problem_; }

private:
    bool Send(const link::Bytes& bytes);
    void Receive(int waitMs);
    bool AwaitConfirmed(std::initializer_list<int> commands);
    void Dropped();

    link::NetworkAddress address_;
    TcpStream stream_;
    link::TelnetCodec telnet_;
    std::deque<std::uint8_t> received_;
    QString problem_;
};

}  // namespace velnar::serial
