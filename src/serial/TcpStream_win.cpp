#include "serial/TcpStream.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <chrono>

namespace velnar::serial {

namespace {

// Winsock is started once for the program and left to its end.
bool StartWinsock()
{
    static const bool started = [] {
        WSADATA data;
        return WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    return started;
}

std::string Reason(int error)
{
    switch (error) {
    case WSAECONNREFUSED: return "connection refused";
    case WSAEHOSTUNREACH: return "no route to host";
    case WSAENETUNREACH: return "network unreachable";
    case WSAETIMEDOUT: return "no answer within 3 s";
    case WSAECONNRESET:
    case WSAECONNABORTED: return "the connection dropped";
    default: return "socket error " + std::to_string(error);
    }
}

SOCKET ConnectOne(const addrinfo& address, std::chrono::steady_clock::time_point deadline, int& error)
{
    const SOCKET s = socket(address.ai_family, address.ai_socktype, address.ai_protocol);
    if (s == INVALID_SOCKET) {
        error = WSAGetLastError();
        return INVALID_SOCKET;
    }
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    error = connect(s, address.ai_addr, static_cast<int>(address.ai_addrlen)) == 0 ? 0 : WSAGetLastError();
    if (error == WSAEWOULDBLOCK) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        const long ms = static_cast<long>(left.count() > 0 ? left.count() : 0);
        timeval wait{ms / 1000, (ms % 1000) * 1000};
        fd_set writable;
        fd_set failed;
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(s, &writable);
        FD_SET(s, &failed);
        if (select(0, nullptr, &writable, &failed, &wait) <= 0) {
            error = WSAETIMEDOUT;
        } else {
            int size = sizeof error;
            getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size);
        }
    }
    if (error != 0) {
        closesocket(s);
        return INVALID_SOCKET;
    }
    nonBlocking = 0;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    const BOOL one = TRUE;
    setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&one), sizeof one);
    return s;
}

}  // namespace

void TcpStream::Close()
{
    if (socket_ >= 0)
        closesocket(static_cast<SOCKET>(socket_));
    socket_ = -1;
}

TcpStream::Outcome TcpStream::Connect(const std::string& host, int port, int timeoutMs)
{
    if (!StartWinsock()) {
        problem_ = "the network is not available";
        return Outcome::Failed;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found) != 0 || !found) {
        problem_ = "name not found";
        return Outcome::NameNotFound;
    }
    int error = 0;
    for (const addrinfo* address = found; address && socket_ < 0; address = address->ai_next) {
        const SOCKET s = ConnectOne(*address, deadline, error);
        if (s != INVALID_SOCKET)
            socket_ = static_cast<std::intptr_t>(s);
    }
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
        const int sent = send(static_cast<SOCKET>(socket_), reinterpret_cast<const char*>(bytes), static_cast<int>(count), 0);
        if (sent <= 0)
            return Failed(Reason(WSAGetLastError()));
        bytes += sent;
        count -= static_cast<std::size_t>(sent);
    }
    return socket_ >= 0 || Failed("the connection dropped");
}

bool TcpStream::Receive(std::vector<std::uint8_t>& into, int waitMs)
{
    if (socket_ < 0)
        return Failed("the connection dropped");
    const SOCKET s = static_cast<SOCKET>(socket_);
    timeval wait{waitMs / 1000, (waitMs % 1000) * 1000};
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(s, &readable);
    const int ready = select(0, &readable, nullptr, nullptr, &wait);
    if (ready <= 0)
        return ready == 0 || Failed(Reason(WSAGetLastError()));
    char buffer[256];
    const int count = recv(s, buffer, sizeof buffer, 0);
    if (count == 0)
        return Failed("the connection dropped");
    if (count < 0)
        return WSAGetLastError() == WSAEWOULDBLOCK || Failed(Reason(WSAGetLastError()));
    into.insert(into.end(), buffer, buffer + count);
    return true;
}

}  // namespace velnar::serial
