#pragma once

#include <atomic>

#include "link/NetworkAddress.h"
#include "serial/SignPeer.h"

namespace velnar::serial {

// A virtual sign on the network, as behind a raw serial server: it takes
// one program's connection at a time and plays the sign on it until the
// program closes it, then waits for the next. The sign keeps its slots
// from one connection to the next.
class SignListener {
public:
    explicit SignListener(const link::NetworkAddress& address);  // throws std::system_error
    ~SignListener();
    SignListener(const SignListener&) = delete;
    SignListener& operator=(const SignListener&) = delete;

    // The port it listens on.
    int Port() const { return port_; }

    // Runs until `stop` is set; false when the listening socket failed.
    bool Serve(sign::VirtualSign& sign, const SignPeer::FrameHandler& onFrame, const std::atomic<bool>& stop);

private:
    int fd_ = -1;
    int port_ = 0;
};

}  // namespace velnar::serial
