#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/Frame.h"
#include "link/Pacer.h"
#include "link/VirtualLine.h"

namespace velnar::testing {

using link::VirtualClock;

// A virtual line that records every library call and every byte written with
// its virtual time, so tests can check the order and the pacing exactly. Its
// ports fail as the test says, in the system's words.
class ScriptedLine : public link::VirtualLine {
public:
    struct Written {
        std::int64_t atMs;
        int byte;
    };

    explicit ScriptedLine(const VirtualClock& clock) : VirtualLine(clock) {}

    const std::vector<Written>& Writes() const { return writes_; }
    std::vector<int> WrittenBytes() const;
    int CountWritten(int byte) const;
    // The library calls other than reads and writes, as "OpenPort(1)" etc.
    const std::vector<std::string>& Calls() const { return calls_; }
    int Reads() const { return reads_; }

    int OpenPort(int port) override;
    int ClosePort(int port) override;
    int ConfigurePort(int port, int speedCode, int lineModeCode) override;
    int SetLineControlA(int port, int value) override;
    int SetLineControlB(int port, int value) override;
    int WriteByte(int port, int value) override;
    int ReadByte(int port) override;
    std::string PortProblem(int port) const override;

    std::map<int, std::string> problems;  // by library port number

private:
    std::vector<Written> writes_;
    std::vector<std::string> calls_;
    int reads_ = 0;
};

// A sign that follows the handshake on a ScriptedLine: it answers a sync byte
// with the ready byte, takes the next 20 bytes as a frame and answers the
// frame with the next scripted verdict, else with what `judge` says, else
// with the accept byte at once. Like a real sign it drops a partial frame
// when the line stays quiet for longer than any byte wait.
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

    const std::vector<link::Frame>& Frames() const { return frames_; }

private:
    static constexpr int kFrameTimeoutMs = 120;

    void OnByte(int byte);

    ScriptedLine& line_;
    bool receiving_ = false;
    std::int64_t lastByteAtMs_ = 0;
    link::Frame frame_{};
    int received_ = 0;
    std::vector<link::Frame> frames_;
};

}  // namespace velnar::testing
