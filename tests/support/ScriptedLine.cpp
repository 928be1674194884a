#include "tests/support/ScriptedLine.h"

#include <algorithm>
#include <string>

namespace velnar::testing {

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
    return VirtualLine::OpenPort(port);
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

int ScriptedLine::WriteByte(int port, int value)
{
    writes_.push_back(Written{Now(), value & 0xFF});
    return VirtualLine::WriteByte(port, value);
}

int ScriptedLine::ReadByte(int port)
{
    ++reads_;
    return VirtualLine::ReadByte(port);
}

std::string ScriptedLine::PortProblem(int port) const
{
    const auto found = problems.find(port);
    return found != problems.end() ? found->second : std::string();
}

}  // namespace velnar::testing
