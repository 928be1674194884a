#include "serial/TcpStream.h"

#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace velnar::serial {

namespace {

#ifdef MSG_NOSIGNAL
constexpr int kSendFlags = MSG_NOSIGNAL;  // a dropped connection is an error, not a signal
#else
constexpr int kSendFlags = 0;
#endif

std::string Reason(int error)
{
    switch (error) {
    case ECONNREFUSED: return "connection refused";
    case EHOSTUNREACH: return "no route to host";
    case ENETUNREACH: return "network unreachable";
    case ETIMEDOUT: return "no answer within 3 s";
    case EPIPE:
    case ECONNRESET: return "the connection dropped";
    default: return std::strerror(error);
    }
}

// Connects one address of the host, waiting at most until `deadline`.
int ConnectOne(const addrinfo& address, std::chrono::steady_clock::time_point deadline, int& error)
{
    const int fd = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    const int flags = fcntl(fd, F_GETFL);
    fcntl(fd, F_SETFL, flags | O_NONBLOCK);
    error = connect(fd, address.ai_addr, address.ai_addrlen) == 0 ? 0 : errno;
    if (error == EINPROGRESS) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd writable{fd, POLLOUT, 0};
        if (poll(&writable, 1, static_cast<int>(std::max<std::int64_t>(0, left.count()))) <= 0) {
            error = ETIMEDOUT;
        } else {
            socklen_t size = sizeof error;
            getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size);
        }
    }
    if (error != 0) {
        close(fd);
        return -1;
    }
    fcntl(fd, F_SETFL, flags);
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
#ifdef SO_NOSIGPIPE
    setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &one, sizeof one);
#endif
    return fd;
}

}  // namespace

void TcpStream::Close()
{
    if (socket_ >= 0)
        close(static_cast<int>(socket_));
    socket_ = -1;
}

TcpStream::Outcome TcpStream::Connect(const std::string& host, int port, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const int looked = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (looked != 0 || !found) {
        problem_ = looked == EAI_AGAIN ? "name not found (no name server answered)" : "name not found";
        return Outcome::NameNotFound;
    }
    int error = 0;
    for (const addrinfo* address = found; address && socket_ < 0; address = address->ai_next)
        socket_ = ConnectOne(*address, deadline, error);
    freeaddrinfo(found);
    if (socket_ < 0) {
        problem_ = Reason(error);
        return Outcome::Failed;
    }
    return Outcome::Connected;
}

bool TcpStream::Write(const std::uint8_t* bytes, std::size_t count)
{
    while (count > 0 && socket_ >= 0) {
        const ssize_t sent = send(static_cast<int>(socket_), bytes, count, kSendFlags);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return Failed(Reason(errno));
        bytes += sent;
        count -= static_cast<std::size_t>(sent);
    }
    return socket_ >= 0 || Failed("the connection dropped");
}

bool TcpStream::Receive(std::vector<std::uint8_t>& into, int waitMs)
{
    if (socket_ < 0)
        return Failed("the connection dropped");
    pollfd readable{static_cast<int>(socket_), POLLIN, 0};
    const int ready = poll(&readable, 1, waitMs);
    if (ready <= 0)
        return ready == 0 || errno == EINTR || Failed(Reason(errno));
    std::uint8_t buffer[256];
    const ssize_t count = recv(static_cast<int>(socket_), buffer, sizeof buffer, 0);
    if (count == 0)
        return Failed("the connection dropped");
    if (count < 0)
        return errno == EINTR || errno == EAGAIN || Failed(Reason(errno));
    into.insert(into.end(), buffer, buffer + count);
    return true;
}

}  // namespace velnar::serial
