#include "tests/support/ScriptedLine.h"

#include <algorithm>

namespace velnar::testing {

void ScriptedLine::Deliver(int byte, std::int64_t atMs)
{
    const auto later = std::upper_bound(pending_.begin(), pending_.end(), atMs,
                                        [](std::int64_t at, const Arrival& a) { return at < a.atMs; });
    pending_.insert(later, Arrival{atMs, byte});
}

std::vector<int> ScriptedLine::WrittenBytes() const
{
    std::vector<int> bytes;
    for (const Written& w : writes_)
        bytes.push_back(w.byte);
    return bytes;
}

int ScriptedLine::CountWritten(int byte) const
{
    return static_cast<int>(
        std::count_if(writes_.begin(), writes_.end(), [byte](const Written& w) { return w.byte == byte; }));
}

int ScriptedLine::OpenPort(int port)
{
    calls_.push_back("OpenPort(" + std::to_string(port) + ")");
    return kOk;
}

int ScriptedLine::ClosePort(int port)
{
    calls_.push_back("ClosePort(" + std::to_string(port) + ")");
    return kOk;
}

int ScriptedLine::ConfigurePort(int port, int speedCode, int lineModeCode)
{
    calls_.push_back("ConfigurePort(" + std::to_string(port) + "," + std::to_string(speedCode) + "," +
                     std::to_string(lineModeCode) + ")");
    return kOk;
}

int ScriptedLine::SetLineControlA(int port, int value)
{
    calls_.push_back("SetLineControlA(" + std::to_string(port) + "," + std::to_string(value) + ")");
    return kOk;
}

int ScriptedLine::SetLineControlB(int port, int value)
{
    calls_.push_back("SetLineControlB(" + std::to_string(port) + "," + std::to_string(value) + ")");
    return kOk;
}

int ScriptedLine::WriteByte(int, int value)
{
    const int byte = value & 0xFF;
    writes_.push_back(Written{clock_.Now(), byte});
    if (onWrite)
        onWrite(byte);
    return kOk;
}

int ScriptedLine::ReadByte(int)
{
    ++reads_;
    if (pending_.empty() || pending_.front().atMs > clock_.Now())
        return kNoByte;
    const int byte = pending_.front().byte;
    pending_.pop_front();
    return byte;
}

std::string ScriptedLine::PortProblem(int) const
{
    return {};
}

HandshakingSign::HandshakingSign(ScriptedLine& line) : line_(line)
{
    line_.onWrite = [this](int byte) { OnByte(byte); };
}

void HandshakingSign::OnByte(int byte)
{
    if (receiving_ && line_.Now() - lastByteAtMs_ > kFrameTimeoutMs)
        receiving_ = false;
    lastByteAtMs_ = line_.Now();
    if (receiving_) {
        frame_[static_cast<std::size_t>(received_++)] = static_cast<std::uint8_t>(byte);
        if (received_ < link::kFrameSize)
            return;
        receiving_ = false;
        frames_.push_back(frame_);
        Verdict verdict;
        if (!verdicts.empty()) {
            verdict = verdicts.front();
            verdicts.pop_front();
        } else if (judge) {
            verdict = judge(frame_);
        }
        if (verdict.reply != kSilent)
            line_.Deliver(verdict.reply, line_.Now() + verdict.delayMs);
        return;
    }
    if (byte != link::kSyncByte)
        return;
    if (ignoreSyncBytes > 0) {
        --ignoreSyncBytes;
        return;
    }
    line_.Deliver(link::kReadyByte, line_.Now() + readyDelayMs);
    receiving_ = true;
    received_ = 0;
}

}  // namespace velnar::testing
