#include "serial/SignPeer.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <map>
#include <poll.h>
#include <unistd.h>

namespace velnar::serial {

std::int64_t SignPeer::NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

SignPeer::SignPeer(int fd, sign::VirtualSign& sign) : fd_(fd), sign_(sign) {}

bool SignPeer::Serve(const std::atomic<bool>& stop, int pollMs)
{
    std::multimap<std::int64_t, int> due;  // replies by the time they go out
    while (!stop.load()) {
        const std::int64_t now = NowMs();
        while (!due.empty() && due.begin()->first <= now) {
            const auto byte = static_cast<unsigned char>(due.begin()->second);
            if (write(fd_, &byte, 1) != 1 && errno != EINTR)
                return false;
            due.erase(due.begin());
        }
        int timeout = pollMs;
        if (!due.empty())
            timeout = static_cast<int>(std::clamp<std::int64_t>(due.begin()->first - now, 0, pollMs));

        pollfd line{fd_, POLLIN, 0};
        const int ready = poll(&line, 1, timeout);
        if (ready < 0 && errno != EINTR)
            return false;
        if (ready <= 0 || !(line.revents & POLLIN))
            continue;

        unsigned char buffer[64];
        const ssize_t count = read(fd_, buffer, sizeof buffer);
        if (count < 0 && errno != EINTR && errno != EAGAIN)
            return false;
        if (count == 0)
            return true;  // the other end closed the line
        const std::int64_t arrival = NowMs();
        for (ssize_t i = 0; i < count; ++i) {
            if (onArrival_)
                onArrival_(buffer[i]);
            if (const auto reply = sign_.OnByte(buffer[i], arrival))
                due.emplace(arrival + reply->delayMs, reply->byte);
            if (auto frame = sign_.TakeFrame(); frame && onFrame_)
                onFrame_(*frame);
        }
    }
    return true;
}

}  // namespace velnar::serial
