#pragma once

#include <cstdint>
#include <deque>
#include <functional>

#include "link/SerialLibrary.h"

namespace velnar::link {
class Pacer;
}

namespace velnar::sign {

// A serial line inside the process, timed by a pacer (a virtual clock, or
// the real one where the window must live through the waits): every byte
// written reaches `onWrite` at once, and the bytes the far end delivers wait
// in the receive buffer until their arrival time has come.
class VirtualLine : public link::SerialLibrary {
public:
    explicit VirtualLine(const link::Pacer& clock) : clock_(clock) {}

    // A byte from the far end that reaches the receive buffer at atMs.
    void Deliver(int byte, std::int64_t atMs = 0);

    std::function<void(int byte)> onWrite;

    std::int64_t Now() const;

    int OpenPort(int port) override;
    int ClosePort(int port) override;
    int ConfigurePort(int port, int speedCode, int lineModeCode) override;
    int SetLineControlA(int port, int value) override;
    int SetLineControlB(int port, int value) override;
    int WriteByte(int port, int value) override;
    int ReadByte(int port) override;
    std::string PortProblem(int port) const override;

private:
    struct Arrival {
        std::int64_t atMs;
        int byte;
    };

    const link::Pacer& clock_;
    std::deque<Arrival> pending_;
};

}  // namespace velnar::sign
