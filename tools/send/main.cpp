// velnar-send: sends slots of a message file to the sign, for operators who
// script their sign and for tests.
#include <QCoreApplication>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <iostream>

#include "SendCommand.h"
#include "SignConsole.h"
#include "SignSends.h"
#include "file/MessageFile.h"
#include "file/SignRecordFile.h"
#include "link/ComPorts.h"
#include "link/LocalClock.h"
#include "link/NetworkAddress.h"
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

// Read by every sign's thread; lock-free, so a signal handler may set it.
std::atomic<bool> interrupted{false};

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
    interrupted = true;
}

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

    // What each port's sign holds, as far as this computer knows, is kept
    // under the device the port names.
    const link::PortDirectory directory = serial::SystemPortDirectory();
    if (file::StateFolder([](const char* name) { return std::getenv(name); }).empty())
        std::cerr << "velnar-send: no state folder (HOME is not set): what the sign holds is not kept\n";
    if (options.request == Request::Forget) {
        int status = 0;
        for (const std::string& port : options.ports) {
            const tools::RecordPlace record = tools::RecordPlaceOf(port, directory, false);
            const file::FileResult forgotten =
                record.device.empty() ? file::FileResult{false, port + " names no device"}
                                      : file::ForgetSignRecord(record.folder, record.device);
            if (forgotten.ok) {
                std::cout << "Forgot what the sign on " << record.device << " holds.\n";
            } else {
                std::cerr << "velnar-send: cannot forget what the sign on " << port << " holds: " << forgotten.reason
                          << '\n';
                status = 1;
            }
        }
        return status;
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
        // A real send to a network port takes its margin after every byte.
        if (link::IsNetworkAddress(options.ports.front()))
            signLink.SetByteMargin(options.netMarginMs.value_or(link::kDefaultNetMarginMs));
        tools::RunHooks hooks;
        hooks.now = [&pacer] { return pacer.NowMs(); };
        return tools::RunSendActions(options, table, signLink, clock, std::cout, hooks,
                                     tools::RecordPlaceOf(options.ports.front(), directory, true));
    }

    // Ctrl+C, and the end of a session or a supervisor's stop, end the run
    // after the frames on the lines, never inside one: a cut frame would
    // make a sign take the next sync byte as frame data.
    std::signal(SIGINT, Interrupt);
    std::signal(SIGTERM, Interrupt);
#ifdef SIGHUP
    std::signal(SIGHUP, Interrupt);
#endif
    const bool several = options.ports.size() > 1;
    std::vector<std::string> prefixes;
    for (const std::string& port : options.ports)
        prefixes.push_back(several ? "[" + port + "] " : std::string());
    tools::SignConsole console(std::cout, ErrorsGoToATerminal() ? &std::cerr : nullptr, prefixes);
    tools::OpenGate gate(static_cast<int>(options.ports.size()));
    const std::vector<tools::SignOutcome> outcomes =
        tools::SendToSigns({options, table, directory, console, gate, interrupted});
    const bool badAddress =
        std::any_of(outcomes.begin(), outcomes.end(), [](const tools::SignOutcome& o) { return o.badAddress; });
    if (badAddress)
        return 2;
    if (several)
        std::cout << tools::SignsSummary(options.ports, outcomes) << std::endl;
    return std::all_of(outcomes.begin(), outcomes.end(), [](const tools::SignOutcome& o) { return o.status == 0; })
               ? 0
               : 1;
}
