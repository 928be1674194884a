#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace velnar::serial {

// A TCP connection on the platform's sockets, blocking only as long as
// asked: the byte stream under a network serial server's line.
class TcpStream {
public:
    TcpStream() = default;
    ~TcpStream();
    TcpStream(const TcpStream&) = delete;
    TcpStream& operator=(const TcpStream&) = delete;

    enum class Outcome { Connected, NameNotFound, Failed };

    // Connects within `timeoutMs`, with Nagle's algorithm off. On failure
    // Problem() says why, in words: "connection refused", "no route to
    // host", "name not found", "no answer within 3 s".
    Outcome Connect(const std::string& host, int port, int timeoutMs);
    // Hands all bytes to the system; false once the connection is gone.
    bool Write(const std::uint8_t* bytes, std::size_t count);
    // Waits up to `waitMs` for bytes and appends what arrived; false once
    // the connection is gone.
    bool Receive(std::vector<std::uint8_t>& into, int waitMs);
    void Close();

    const std::string& Problem() const { return problem_; }

private:
    bool Failed(const std::string& problem);

    std::intptr_t socket_ = -1;
    std::string problem_;
};

}  // namespace velnar::serial
