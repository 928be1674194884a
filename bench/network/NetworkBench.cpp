// The smallest gap between two of the program's bytes as the sign sees them
// when a send goes through a network that holds each byte a random 0 to 15
// ms (a relay on the loopback address), then through ser2net, to the
// virtual sign on a pseudo-terminal: the byte margin must keep every gap at
// the sign's minimum.
#include <QCoreApplication>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <deque>
#include <limits>
#include <random>
#include <thread>

#include "file/MessageFile.h"
#include "model/MessageTable.h"
#include "serial/PseudoTerminal.h"
#include "serial/SignPeer.h"
#include "sign/VirtualSign.h"
#include "tests/support/Ser2net.h"
#include "tests/support/SignProcess.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int kJitterMs = 15;
constexpr int kMarginMs = 20;
constexpr int kMinimumMs = 50;

int Loopback(int port, bool listening)
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    const bool ok = listening ? bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd, 1) == 0
                              : connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    if (!ok) {
        close(fd);
        return -1;
    }
    return fd;
}

// Takes one connection on `listener` and relays it to `serverPort`: bytes
// towards the sign each wait a random 0 to 15 ms, in their order; the
// sign's answers pass at once.
void Relay(int listener, int serverPort, const std::atomic<bool>& stop)
{
    std::mt19937 random(26);
    std::uniform_int_distribution<int> jitterUs(0, kJitterMs * 1000);
    while (!stop) {
        pollfd waiting{listener, POLLIN, 0};
        if (poll(&waiting, 1, 50) <= 0)
            continue;
        const int client = accept(listener, nullptr, nullptr);
        const int server = Loopback(serverPort, false);
        std::deque<std::pair<Clock::time_point, char>> held;
        Clock::time_point last{};
        bool open = server >= 0;
        while (open && !stop) {
            const auto now = Clock::now();
            while (!held.empty() && held.front().first <= now) {
                open = open && write(server, &held.front().second, 1) == 1;
                held.pop_front();
            }
            int timeout = 20;
            if (!held.empty())
                timeout = static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(held.front().first - now).count());
            pollfd lines[] = {{client, POLLIN, 0}, {server, POLLIN, 0}};
            if (poll(lines, 2, std::max(timeout, 0)) <= 0)
                continue;
            char bytes[64];
            if (lines[0].revents) {
                const ssize_t count = read(client, bytes, sizeof bytes);
                open = count > 0;
                for (ssize_t i = 0; i < count; ++i) {
                    last = std::max(last, Clock::now() + std::chrono::microseconds(jitterUs(random)));
                    held.emplace_back(last, bytes[i]);
                }
            }
            if (lines[1].revents) {
                const ssize_t count = read(server, bytes, sizeof bytes);
                open = open && count > 0 && write(client, bytes, static_cast<std::size_t>(count)) == count;
            }
        }
        close(client);
        if (server >= 0)
            close(server);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace velnar;
    QCoreApplication application(argc, argv);

    model::MessageTable table;
    table.rowText[model::RowNumber(3, 1)] = u"MERHABA";
    table.slotSelected[2] = 1;
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("bench.VELNAR MESSAGES"));
    if (!file::SaveMessageFile(file.toStdString(), table).ok)
        return 1;

    serial::PseudoTerminal line;
    sign::VirtualSign sign;
    serial::SignPeer peer(line.Fd(), sign);
    double smallestMs = std::numeric_limits<double>::max();
    Clock::time_point previous{};
    peer.OnArrival([&](std::uint8_t) {
        const auto now = Clock::now();
        if (previous != Clock::time_point{})
            smallestMs = std::min(smallestMs, std::chrono::duration<double, std::milli>(now - previous).count());
        previous = now;
    });
    std::atomic<bool> stop{false};
    std::thread signThread([&] { peer.Serve(stop); });

    testing::Ser2net server(QString::fromStdString(line.DevicePath()));
    const int relayPort = testing::FreeLoopbackPort();
    const int listener = Loopback(relayPort, true);
    std::thread relayThread([&] { Relay(listener, server.RawAddress().section(':', -1).toInt(), stop); });

    bool sent = server.Started() && listener >= 0;
    for (int run = 0; run < 2 && sent; ++run) {
        const auto result = testing::RunSend({QStringLiteral("--port"), QStringLiteral("tcp://127.0.0.1:%1").arg(relayPort),
                                              QStringLiteral("--net-margin"), QString::number(kMarginMs),
                                              QStringLiteral("--slot"), QStringLiteral("3"), file});
        sent = result.exitCode == 0;
    }
    stop = true;
    relayThread.join();
    signThread.join();
    close(listener);
    if (!sent)
        return 1;
    std::printf("network send: smallest gap %.1f ms at the sign (minimum %d, margin %d ms, jitter 0-%d ms)\n",
                smallestMs, kMinimumMs, kMarginMs, kJitterMs);
    return smallestMs >= kMinimumMs ? 0 : 1;
}
