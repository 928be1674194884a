#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "link/Frame.h"
#include "link/Pacer.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "sign/VirtualLine.h"
#include "sign/VirtualSign.h"

namespace velnar::testing {

using link::VirtualClock;

// A virtual line recording every call and byte with its virtual time.
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

// A link to a ScriptedLine in virtual time, with a table of its own.
struct ScriptedLink {
    VirtualClock clock;
    ScriptedLine line{clock};
    model::MessageTable table;
    link::SignLink link{line, clock, table};
};

// The virtual sign on a ScriptedLine: keeps each frame and answers as `judge` says.
class HandshakingSign {
public:
    struct Verdict {
        int reply = link::kAcceptByte;  // kSilent: no answer at all
        int delayMs = 0;
    };
    static constexpr int kSilent = -1;

    explicit HandshakingSign(ScriptedLine& line)
    {
        sign::AttachSign(line, sign_);
        sign_.SetAnswer([this](const link::Frame& frame) -> std::optional<sign::VirtualSign::Reply> {
            frames_.push_back(frame);
            const Verdict verdict = judge ? judge(frame) : Verdict{};
            if (verdict.reply == kSilent)
                return std::nullopt;
            return sign::VirtualSign::Reply{verdict.reply, verdict.delayMs};
        });
    }

    std::function<Verdict(const link::Frame&)> judge;
    sign::SignFaults& Faults() { return sign_.Faults(); }
    const std::vector<link::Frame>& Frames() const { return frames_; }

private:
    sign::VirtualSign sign_;
    std::vector<link::Frame> frames_;
};

}  // namespace velnar::testing
