// velnar-sign: a virtual sign on a pseudo-terminal (or a serial device), for
// trying the editor without hardware and for end-to-end tests.
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <system_error>

#include "link/SignReport.h"
#include "link/VirtualSign.h"
#include "serial/PseudoTerminal.h"
#include "serial/RawLine.h"
#include "serial/SignPeer.h"

using namespace velnar;

namespace {

const char* const kUsage =
    "usage: velnar-sign [--port PATH] [--silent] [--refuse N] [--late MS] [--ignore-sync N]\n"
    "  --port PATH      play the sign on this serial device instead of a new pseudo-terminal\n"
    "  --silent         never answer\n"
    "  --refuse N       answer the first N frames with the resend byte\n"
    "  --late MS        send each accept byte MS milliseconds late\n"
    "  --ignore-sync N  leave the first N sync bytes unanswered\n";

std::atomic<bool> stopRequested{false};

void RequestStop(int)
{
    stopRequested = true;
}

std::optional<int> Count(const char* text)
{
    char* end = nullptr;
    const long value = std::strtol(text, &end, 10);
    if (*text == '\0' || *end != '\0' || value < 0 || value > 1000000)
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace

int main(int argc, char** argv)
{
    link::SignFaults faults;
    std::string devicePath;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--silent") {
            faults.silent = true;
            continue;
        }
        const char* value = i + 1 < argc ? argv[++i] : "";
        const std::optional<int> count = Count(value);
        if (option == "--port" && *value) {
            devicePath = value;
        } else if (option == "--refuse" && count) {
            faults.refuseFrames = *count;
        } else if (option == "--late" && count) {
            faults.lateMs = *count;
        } else if (option == "--ignore-sync" && count) {
            faults.ignoreSyncBytes = *count;
        } else {
            std::cerr << "velnar-sign: bad argument " << option << '\n' << kUsage;
            return 2;
        }
    }

    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);

    try {
        std::unique_ptr<serial::PseudoTerminal> terminal;
        std::unique_ptr<serial::RawLine> device;
        int fd = -1;
        if (devicePath.empty()) {
            terminal = std::make_unique<serial::PseudoTerminal>();
            devicePath = terminal->DevicePath();
            fd = terminal->Fd();
        } else {
            device = std::make_unique<serial::RawLine>(devicePath);
            fd = device->Fd();
        }
        std::cout << "port: " << devicePath << std::endl;

        link::VirtualSign sign(faults);
        serial::SignPeer peer(fd, sign);
        peer.OnFrame([&sign](const link::VirtualSign::FrameEvent& event) {
            std::cout << link::DescribeFrame(event) << '\n';
            if (event.slotIndex >= 0)
                std::cout << link::DescribeSlot(sign.Slot(event.slotIndex), event.slotIndex) << '\n';
            std::cout.flush();
        });
        if (!peer.Serve(stopRequested)) {
            std::cerr << "velnar-sign: the line failed: " << std::strerror(errno) << '\n';
            return 1;
        }
    } catch (const std::system_error& error) {
        std::cerr << "velnar-sign: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
