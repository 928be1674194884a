#include "SignSends.h"

#include <iostream>
#include <thread>

#include "SignConsole.h"
#include "link/ComPorts.h"
#include "link/LocalClock.h"
#include "link/NetworkAddress.h"
#include "link/Pacer.h"
#include "link/PortDirectory.h"
#include "link/SendRun.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "serial/QtSerialLibrary.h"

namespace velnar::tools {

bool OpenGate::Arrive(bool addressGood)
{
    std::unique_lock<std::mutex> lock(mutex_);
    allGood_ = allGood_ && addressGood;
    if (--waiting_ == 0)
        arrived_.notify_all();
    arrived_.wait(lock, [this] { return waiting_ == 0; });
    return allGood_;
}

SignOutcome SendToSign(const SignRun& run, int sign, const std::string& port)
{
    model::MessageTable table = run.table;
    serial::QtSerialLibrary library(run.directory);
    const std::optional<int> portIndex = ComPortIndex(port);
    const int libraryPort = portIndex.value_or(0) + 1;
    if (!portIndex)
        library.SetDeviceName(libraryPort, QString::fromStdString(port));

    const link::SendRun* shown = nullptr;
    const auto showProgress = [&](link::SteadyClockPacer::Clock::time_point until) {
        if (shown && run.console.ProgressDue(sign))
            run.console.Progress(sign, ProgressLine(*shown));
        std::this_thread::sleep_until(until);
    };
    link::SteadyClockPacer pacer(run.console.OnTerminal() ? link::SteadyClockPacer::Idle(showProgress)
                                                          : link::SteadyClockPacer::Idle());
    link::SignLink signLink(library, pacer, table);
    const bool badAddress = signLink.OpenLink(libraryPort - 1) == link::SerialLibrary::kErrorBadAddress;
    const bool allGood = run.gate.Arrive(!badAddress);
    const std::string problem = library.PortProblem(libraryPort);
    if (!problem.empty() || !allGood) {
        if (!problem.empty())
            std::cerr << "velnar-send: " + link::NothingWasSent(link::ExplainPortProblem(problem)) << std::flush;
        const std::size_t named = problem.find(": ");
        return {1, named == std::string::npos ? problem : problem.substr(named + 2), badAddress};
    }
    if (link::IsNetworkAddress(library.DeviceName(libraryPort).toStdString()))
        signLink.SetByteMargin(run.options.netMarginMs.value_or(
            portIndex ? run.directory.Com(libraryPort).netMarginMs : link::kDefaultNetMarginMs));

    RunHooks hooks;
    hooks.interrupted = [&run] { return run.interrupted.load(); };
    hooks.now = [&pacer] { return pacer.NowMs(); };
    hooks.watch = [&](const link::SendRun* sendRun) {
        shown = sendRun;
        if (!sendRun)
            run.console.Progress(sign, {});
    };
    link::SystemLocalClock clock;
    SignOutcome outcome;
    outcome.status = RunSendActions(run.options, table, signLink, clock, run.console.Out(sign), hooks,
                                    RecordPlaceOf(port, run.directory, run.options.dryRun), &outcome.shortfall);
    return outcome;
}

std::vector<SignOutcome> SendToSigns(const SignRun& run)
{
    const std::vector<std::string>& ports = run.options.ports;
    std::vector<SignOutcome> outcomes(ports.size());
    if (ports.size() == 1) {
        outcomes[0] = SendToSign(run, 0, ports[0]);
        return outcomes;
    }
    std::vector<std::thread> threads;
    for (std::size_t sign = 0; sign < ports.size(); ++sign)
        threads.emplace_back([&, sign] { outcomes[sign] = SendToSign(run, static_cast<int>(sign), ports[sign]); });
    for (std::thread& thread : threads)
        thread.join();
    return outcomes;
}

std::string SignsSummary(const std::vector<std::string>& ports, const std::vector<SignOutcome>& outcomes)
{
    std::size_t took = 0;
    std::string missed;
    for (std::size_t sign = 0; sign < outcomes.size(); ++sign) {
        if (outcomes[sign].status == 0)
            ++took;
        else
            missed += "; " + ports[sign] + ": " + outcomes[sign].shortfall;
    }
    return std::to_string(took) + " of " + std::to_string(outcomes.size()) + " signs took everything" + missed;
}

}  // namespace velnar::tools
