#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/Frame.h"
#include "link/Pacer.h"
#include "sign/VirtualLine.h"
#include "sign/VirtualSign.h"

namespace velnar::testing {

using link::VirtualClock;

// A virtual line that records every library call and every byte written with
// its virtual time, so tests can check the order and the pacing exactly. Its
// ports fail as the test says, in the system's words.
class ScriptedLine : public sign::VirtualLine {
public:
    struct Written {
        std::int64_t atMs;
        int byte;
    };

    explicit ScriptedLine(const link::Pacer& clock) : VirtualLine(clock) {}

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

// The virtual sign on a ScriptedLine, with scripted answers: each frame it
// receives is answered with the next scripted verdict, else with what
// `judge` says, else with the accept byte at once.
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

    sign::SignFaults& Faults() { return sign_.Faults(); }
    const std::vector<link::Frame>& Frames() const { return frames_; }

private:
    Verdict Next(const link::Frame& frame);

    sign::VirtualSign sign_;
    std::vector<link::Frame> frames_;
};

}  // namespace velnar::testing
