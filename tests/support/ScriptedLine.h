#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "link/Frame.h"
#include "link/SerialLibrary.h"
#include "tests/support/VirtualClock.h"

namespace velnar::testing {

// A serial library whose line is played by the test on a virtual clock: it
// records every call and every byte written with its virtual time, and hands
// out the bytes the test delivered once their virtual arrival time has come.
class ScriptedLine : public link::SerialLibrary {
public:
    struct Written {
        std::int64_t atMs;
        int byte;
    };

    explicit ScriptedLine(const VirtualClock& clock) : clock_(clock) {}

    // A byte from the sign that reaches the receive buffer at virtual time atMs.
    void Deliver(int byte, std::int64_t atMs = 0);

    // Called for every byte written, after it was recorded.
    std::function<void(int byte)> onWrite;

    const std::vector<Written>& Writes() const { return writes_; }
    std::vector<int> WrittenBytes() const;
    int CountWritten(int byte) const;
    // The library calls other than reads and writes, as "OpenPort(1)" etc.
    const std::vector<std::string>& Calls() const { return calls_; }
    int Reads() const { return reads_; }
    std::int64_t Now() const { return clock_.Now(); }

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

    const VirtualClock& clock_;
    std::deque<Arrival> pending_;
    std::vector<Written> writes_;
    std::vector<std::string> calls_;
    int reads_ = 0;
};

// A sign that follows the handshake on a ScriptedLine: it answers a sync byte
// with the ready byte, takes the next 20 bytes as a frame and answers the
// frame with the next scripted verdict, else with what `judge` says, else
// with the accept byte at once.
class HandshakingSign {
public:
    struct Verdict {
        int reply = link::kAcceptByte;  // kSilent: no answer at all
        int delayMs = 0;
    };
    static constexpr int kSilent = -1;

    explicit HandshakingSign(ScriptedLine& line);

    std::deque<Verdict> verdicts;  // one per frame received
    std::function<Verdict(const link::Frame&)> judge;
    int ignoreSyncBytes = 0;       // sync bytes left unanswered first
    int readyDelayMs = 0;

    const std::vector<link::Frame>& Frames() const { return frames_; }

private:
    void OnByte(int byte);

    ScriptedLine& line_;
    static constexpr int kFrameTimeoutMs = 120;

    bool receiving_ = false;
    std::int64_t lastByteAtMs_ = 0;
    link::Frame frame_{};
    int received_ = 0;
    std::vector<link::Frame> frames_;
};

}  // namespace velnar::testing
