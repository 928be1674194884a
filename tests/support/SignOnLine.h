#pragma once

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "sign/VirtualSign.h"
#include "serial/PseudoTerminal.h"
#include "serial/SignPeer.h"

namespace velnar::testing {

// A virtual sign on a pty, served in real time on its own thread.
class SignOnLine {
public:
    explicit SignOnLine(sign::SignFaults faults = {});
    ~SignOnLine();
    SignOnLine(const SignOnLine&) = delete;
    SignOnLine& operator=(const SignOnLine&) = delete;

    const std::string& DevicePath() const { return line_.DevicePath(); }

    // Ends the sign's thread; what it received may be read afterwards.
    void Stop();
    const std::vector<sign::VirtualSign::FrameEvent>& Frames() const { return frames_; }
    const sign::VirtualSign& Sign() const { return sign_; }

private:
    serial::PseudoTerminal line_;
    sign::VirtualSign sign_;
    serial::SignPeer peer_;
    std::vector<sign::VirtualSign::FrameEvent> frames_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace velnar::testing
