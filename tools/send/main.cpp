// velnar-send: sends slots of a message file to the sign, for operators who
// script their sign and for tests.
#include <QCoreApplication>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <thread>

#include "SendCommand.h"
#include "file/MessageFile.h"
#include "file/SignRecordFile.h"
#include "link/ComPorts.h"
#include "link/LocalClock.h"
#include "link/Pacer.h"
#include "link/SendRun.h"
#include "link/SignLink.h"
#include "sign/VirtualLine.h"
#include "sign/VirtualSign.h"
#include "model/MessageTable.h"
#include "serial/QtSerialLibrary.h"
#include "serial/SystemPorts.h"

using namespace velnar;

namespace {

volatile std::sig_atomic_t interrupted = 0;

bool ErrorsGoToATerminal()
{
#ifdef _WIN32
    return _isatty(_fileno(stderr)) != 0;
#else
    return isatty(STDERR_FILENO) != 0;
#endif
}

void Interrupt(int)
{
    interrupted = 1;
}

// The run under way, shown in place on a terminal's last line while the
// pacer waits: a send of minutes tells how far it is.
class TerminalProgress {
public:
    void Watch(const link::SendRun* run)
    {
        if (!run)
            Erase();
        run_ = run;
    }

    // Before any other line, so that it does not run on from the progress.
    void Erase()
    {
        if (shown_)
            std::cerr << "\r\033[K" << std::flush;
        shown_ = false;
    }

    void Show(link::SteadyClockPacer::Clock::time_point until)
    {
        const auto now = link::SteadyClockPacer::Clock::now();
        if (run_ && now - shownAt_ >= std::chrono::milliseconds(250)) {
            std::cerr << "\r\033[K" << tools::ProgressLine(*run_) << std::flush;
            shownAt_ = now;
            shown_ = true;
        }
        std::this_thread::sleep_until(until);
    }

private:
    const link::SendRun* run_ = nullptr;
    link::SteadyClockPacer::Clock::time_point shownAt_{};
    bool shown_ = false;
};

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const tools::ParsedArguments parsed = tools::ParseSendArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::cerr << "velnar-send: " << parsed.error << '\n' << tools::kSendUsage;
        return 2;
    }
    const tools::SendOptions& options = *parsed.options;
    using Request = tools::SendOptions::Request;
    switch (options.request) {
    case Request::Help: std::cout << tools::kSendUsage; return 0;
    case Request::Version: std::cout << "velnar-send " VELNAR_VERSION "\n"; return 0;
    case Request::ListPorts: {
        const link::PortDirectory ports = serial::SystemPortDirectory();
        serial::QtSerialLibrary library(ports);
        tools::ListPorts(ports, library, std::cout);
        return 0;
    }
    case Request::Forget:
    case Request::Send: break;
    }

    // What the port's sign holds, as far as this computer knows, is kept
    // under the device the port names.
    const link::PortDirectory ports = serial::SystemPortDirectory();
    const std::optional<int> portIndex = tools::ComPortIndex(options.port);
    tools::RecordPlace record;
    record.folder = file::StateFolder([](const char* name) { return std::getenv(name); });
    record.device = portIndex ? ports.Com(*portIndex + 1).device : options.port;
    record.keep = !options.dryRun;
    record.warnings = &std::cerr;
    if (record.folder.empty())
        std::cerr << "velnar-send: no state folder (HOME is not set): what the sign holds is not kept\n";
    if (options.request == Request::Forget) {
        if (record.device.empty()) {
            std::cerr << "velnar-send: " << options.port << " names no device: nothing to forget\n";
            return 1;
        }
        const file::FileResult forgotten = file::ForgetSignRecord(record.folder, record.device);
        if (!forgotten.ok) {
            std::cerr << "velnar-send: cannot forget what the sign on " << record.device << " holds: "
                      << forgotten.reason << '\n';
            return 1;
        }
        std::cout << "Forgot what the sign on " << record.device << " holds.\n";
        return 0;
    }

    model::MessageTable table;
    const file::FileResult loaded = file::LoadMessageFile(options.file, table);
    if (!loaded.ok) {
        std::cerr << "velnar-send: cannot read " << options.file << ": " << loaded.reason << '\n';
        return 2;
    }

    link::SystemLocalClock clock;
    if (options.dryRun) {
        link::VirtualClock pacer;
        sign::VirtualLine line(pacer);
        sign::VirtualSign sign;
        sign::AttachSign(line, sign);
        link::SignLink signLink(line, pacer, table);
        signLink.OpenLink(0);
        tools::RunHooks hooks;
        hooks.now = [&pacer] { return pacer.NowMs(); };
        return tools::RunSendActions(options, table, signLink, clock, std::cout, hooks, record);
    }

    serial::QtSerialLibrary library(ports);
    if (!portIndex)
        library.SetDeviceName(1, QString::fromStdString(options.port));
    TerminalProgress progress;
    const bool terminal = ErrorsGoToATerminal();
    link::SteadyClockPacer pacer(terminal ? link::SteadyClockPacer::Idle([&progress](auto until) { progress.Show(until); })
                                          : link::SteadyClockPacer::Idle());
    link::SignLink signLink(library, pacer, table);
    signLink.OpenLink(portIndex.value_or(0));
    const std::string problem = library.PortProblem(signLink.LibraryPort());
    if (!problem.empty()) {
        std::cerr << "velnar-send: " << link::NothingWasSent(link::ExplainPortProblem(problem));
        return 1;
    }
    // Ctrl+C, and the end of a session or a supervisor's stop, end the run
    // after the frame on the line, never inside it: a cut frame would make
    // the sign take the next sync byte as frame data.
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
#ifdef SIGHUP
    std::signal(SIGHUP, Interrupt);
#endif
    tools::RunHooks hooks;
    hooks.interrupted = [] { return interrupted != 0; };
    hooks.now = [&pacer] { return pacer.NowMs(); };
    if (terminal) {
        hooks.watch = [&progress](const link::SendRun* run) { progress.Watch(run); };
        hooks.beforeLine = [&progress] { progress.Erase(); };
    }
    return tools::RunSendActions(options, table, signLink, clock, std::cout, hooks, record);
}
