#include "serial/SignListener.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace velnar::serial {

namespace {

[[noreturn]] void Throw(const std::string& what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

}  // namespace

SignListener::SignListener(const link::NetworkAddress& address)
{
    addrinfo hints{};
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_PASSIVE | AI_NUMERICSERV;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(address.port);
    if (getaddrinfo(address.host.c_str(), service.c_str(), &hints, &found) != 0 || !found) {
        errno = EADDRNOTAVAIL;
        Throw(address.host + ": name not found");
    }
    fd_ = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
    const int one = 1;
    if (fd_ >= 0)
        setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    const bool listening = fd_ >= 0 && bind(fd_, found->ai_addr, found->ai_addrlen) == 0 && listen(fd_, 1) == 0;
    freeaddrinfo(found);
    if (!listening)
        Throw("cannot listen on " + address.host + ":" + service);
    port_ = address.port;
}

SignListener::~SignListener()
{
    if (fd_ >= 0)
        close(fd_);
}

bool SignListener::Serve(sign::VirtualSign& sign, const SignPeer::FrameHandler& onFrame, const std::atomic<bool>& stop)
{
    while (!stop.load()) {
        pollfd waiting{fd_, POLLIN, 0};
        const int ready = poll(&waiting, 1, 20);
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready <= 0)
            continue;
        const int connection = accept(fd_, nullptr, nullptr);
        if (connection < 0)
            continue;
        // The sign answers each byte at once: no answer may wait for company.
        const int one = 1;
        setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        SignPeer peer(connection, sign);
        peer.OnFrame(onFrame);
        peer.Serve(stop);  // a connection that fails is the program's end of it
        close(connection);
    }
    return true;
}

}  // namespace velnar::serial
