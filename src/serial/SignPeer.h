#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "sign/VirtualSign.h"

namespace velnar::serial {

// Plays a VirtualSign on a file descriptor (the sign's end of a
// pseudo-terminal) in real time: reads the program's bytes as they come and
// writes each reply when its delay has passed.
class SignPeer {
public:
    using FrameHandler = std::function<void(const sign::VirtualSign::FrameEvent&)>;

    SignPeer(int fd, sign::VirtualSign& sign);

    // Told of every complete frame, on the thread that runs Serve.
    void OnFrame(FrameHandler handler) { onFrame_ = std::move(handler); }
    // Told of every byte from the program as soon as it has been read.
    void OnArrival(std::function<void(std::uint8_t)> handler) { onArrival_ = std::move(handler); }

    // The steady milliseconds the peer times the sign's bytes in.
    static std::int64_t NowMs();

    // Runs until `stop` is set or the other end closes the line; checks
    // `stop` at least every `pollMs`. Returns false when the line failed.
    bool Serve(const std::atomic<bool>& stop, int pollMs = 20);

private:
    int fd_;
    sign::VirtualSign& sign_;
    FrameHandler onFrame_;
    std::function<void(std::uint8_t)> onArrival_;
};

}  // namespace velnar::serial
