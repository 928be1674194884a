#include "sign/VirtualLine.h"

#include <algorithm>

#include "link/Pacer.h"

namespace velnar::sign {

void VirtualLine::Deliver(int byte, std::int64_t atMs)
{
    const auto later = std::upper_bound(pending_.begin(), pending_.end(), atMs,
                                        [](std::int64_t at, const Arrival& a) { return at < a.atMs; });
    pending_.insert(later, Arrival{atMs, byte});
}

std::int64_t VirtualLine::Now() const
{
    return clock_.NowMs();
}

int VirtualLine::OpenPort(int)
{
    return kOk;
}

int VirtualLine::ClosePort(int)
{
    return kOk;
}

int VirtualLine::ConfigurePort(int, int, int)
{
    return kOk;
}

int VirtualLine::SetLineControlA(int, int)
{
    return kOk;
}

int VirtualLine::SetLineControlB(int, int)
{
    return kOk;
}

int VirtualLine::WriteByte(int, int value)
{
    if (onWrite)
        onWrite(value & 0xFF);
    return kOk;
}

int VirtualLine::ReadByte(int)
{
    if (pending_.empty() || pending_.front().atMs > clock_.NowMs())
        return kNoByte;
    const int byte = pending_.front().byte;
    pending_.pop_front();
    return byte;
}

std::string VirtualLine::PortProblem(int) const
{
    return {};
}

}  // namespace velnar::sign
