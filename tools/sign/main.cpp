// velnar-sign: a virtual sign on a pseudo-terminal (or a serial device), for
// trying the editor without hardware and for end-to-end tests. It prints the
// frames it receives and can show its LED board in a window or as PNGs.
#include <QApplication>

#include <atomic>
#include <csignal>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <system_error>
#include <thread>

#include "signview/BoardImage.h"
#include "SignArguments.h"
#include "SignWindow.h"
#include "desktop/RuntimeFolderNotice.h"
#include "sign/SignReport.h"
#include "sign/VirtualSign.h"
#include "serial/PseudoTerminal.h"
#include "serial/RawLine.h"
#include "serial/SignListener.h"
#include "serial/SignPeer.h"

using namespace velnar;

namespace {

std::atomic<bool> stopRequested{false};

void RequestStop(int)
{
    stopRequested = true;
}

void PrintFrame(const sign::VirtualSign& sign, const sign::VirtualSign::FrameEvent& event)
{
    std::cout << sign::DescribeFrame(event) << '\n';
    if (event.slotIndex >= 0)
        std::cout << sign::DescribeSlot(sign.Slot(event.slotIndex), event.slotIndex) << '\n';
    std::cout.flush();
}

// Plays the sign on its line (a pseudo-terminal, a device, or the network's
// connections one after the other) until asked to stop; false when the line
// failed.
using LineServer = std::function<bool(sign::VirtualSign&, const serial::SignPeer::FrameHandler&)>;

bool Serve(const LineServer& line, sign::VirtualSign& sign, const serial::SignPeer::FrameHandler& onFrame)
{
    if (line(sign, onFrame))
        return true;
    std::cerr << "velnar-sign: the line failed: " << std::strerror(errno) << '\n';
    return false;
}

int ServeLines(const LineServer& line, const tools::SignOptions& options)
{
    sign::VirtualSign sign(options.faults);
    return Serve(line, sign, [&sign](const sign::VirtualSign::FrameEvent& event) { PrintFrame(sign, event); }) ? 0
                                                                                                              : 1;
}

bool SettingsAccepted(const sign::VirtualSign::FrameEvent& event)
{
    return event.verdict == sign::VirtualSign::Verdict::Accepted && event.frame[0] == link::kSettingsCommand &&
           event.slotIndex >= 0 && event.slotIndex < sign::VirtualSign::kSlotCount;
}

// The sign plays the line on a thread of its own, as it must answer within
// milliseconds; the window and the snapshots live on Qt's thread. The peer
// thread alone touches the sign: after each frame it hands a copy of what the
// sign holds over to Qt's thread, and it asks that thread to end once the
// line is done, after every hand-over it made before.
int ServeWithBoard(const LineServer& line, const std::string& port, const tools::SignOptions& options, int argc, char** argv)
{
    if (!options.window)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    desktop::DropRuntimeFolderNotice();
    QApplication application(argc, argv);
    std::unique_ptr<tools::SignWindow> window;
    if (options.window) {
        window = std::make_unique<tools::SignWindow>(QString::fromStdString(port), options.columns,
                                                     &serial::SignPeer::NowMs);
        window->show();
    }
    const QString snapshot = QString::fromStdString(options.snapshot);

    const auto handOver = [&](const sign::SignState& state, const sign::VirtualSign::FrameEvent& event) {
        const std::int64_t atMs = serial::SignPeer::NowMs();
        const QString line = QString::fromStdString(sign::DescribeFrame(event));
        const bool snap = !snapshot.isEmpty() && SettingsAccepted(event);
        QMetaObject::invokeMethod(
            &application,
            [&, state, line, snap, atMs, slotIndex = event.slotIndex] {
                if (window)
                    window->TakeFrame(state, line);
                if (!snap)
                    return;
                const QString problem =
                    signview::SaveSnapshot(sign::ShowEnteredSlot(state, slotIndex, options.columns, atMs), snapshot);
                if (!problem.isEmpty())
                    std::cerr << "velnar-sign: cannot write " << options.snapshot << ": " << problem.toStdString()
                              << '\n';
            },
            Qt::QueuedConnection);
    };

    sign::VirtualSign sign(options.faults);
    std::thread peerThread([&] {
        const bool served = Serve(line, sign, [&](const sign::VirtualSign::FrameEvent& event) {
            PrintFrame(sign, event);
            handOver(sign.State(), event);
        });
        QMetaObject::invokeMethod(
            &application, [&application, served] { application.exit(served ? 0 : 1); }, Qt::QueuedConnection);
    });
    const int status = application.exec();  // also ends when the window is closed
    stopRequested = true;
    peerThread.join();
    return status;
}

}  // namespace

int main(int argc, char** argv)
{
    using Action = tools::ParsedSignArguments::Action;
    const tools::ParsedSignArguments parsed =
        tools::ParseSignArguments(std::vector<std::string>(argv + 1, argv + argc));
    switch (parsed.action) {
    case Action::Help: std::cout << tools::kSignUsage; return 0;
    case Action::Version: std::cout << "velnar-sign " VELNAR_VERSION "\n"; return 0;
    case Action::BadUsage: std::cerr << "velnar-sign: " << parsed.error << '\n' << tools::kSignUsage; return 2;
    case Action::Run: break;
    }
    const tools::SignOptions& options = parsed.options;

    std::signal(SIGINT, RequestStop);
    std::signal(SIGTERM, RequestStop);

    try {
        std::unique_ptr<serial::PseudoTerminal> terminal;
        std::unique_ptr<serial::RawLine> device;
        std::unique_ptr<serial::SignListener> listener;
        std::string port = options.port;
        int fd = -1;
        if (!options.listen.empty()) {
            listener = std::make_unique<serial::SignListener>(*link::ParseNetworkAddress(options.listen).address);
            port = options.listen;
        } else if (port.empty()) {
            terminal = std::make_unique<serial::PseudoTerminal>();
            port = terminal->DevicePath();
            fd = terminal->Fd();
        } else {
            device = std::make_unique<serial::RawLine>(port);
            fd = device->Fd();
        }
        std::cout << "port: " << port << std::endl;
        const LineServer line = [&](sign::VirtualSign& sign, const serial::SignPeer::FrameHandler& onFrame) {
            if (listener)
                return listener->Serve(sign, onFrame, stopRequested);
            serial::SignPeer peer(fd, sign);
            peer.OnFrame(onFrame);
            return peer.Serve(stopRequested);
        };

        if (!options.window && options.snapshot.empty())
            return ServeLines(line, options);
        return ServeWithBoard(line, port, options, argc, argv);
    } catch (const std::system_error& error) {
        std::cerr << "velnar-sign: " << error.what() << '\n';
        return 1;
    }
}
