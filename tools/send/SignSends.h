#pragma once

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

#include "SendCommand.h"

namespace velnar::link {
class PortDirectory;
}

namespace velnar::tools {

class SignConsole;

// How one sign of a run fared.
struct SignOutcome {
    int status = 0;         // as RunSendActions returns it
    std::string shortfall;  // what kept it from taking everything
    bool badAddress = false;  // its port names no server: the run sends nothing
};

// Holds every sign back until all of them have opened their ports, so that
// one port named wrongly stops the run before anything is sent.
class OpenGate {
public:
    explicit OpenGate(int signs) : waiting_(signs) {}
    // Waits for the others; true when every port's address was good.
    bool Arrive(bool addressGood);

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    int waiting_;
    bool allGood_ = true;
};

// What a sign's thread needs of the whole run; all of it is only read,
// but the operator's interrupt.
struct SignRun {
    const SendOptions& options;
    const model::MessageTable& table;
    const link::PortDirectory& directory;
    SignConsole& console;
    OpenGate& gate;
    const std::atomic<bool>& interrupted;
};

// Sends the run's slots to the sign on `port` from the calling thread, with
// a serial library, a pacer, a link and a copy of the table of its own.
SignOutcome SendToSign(const SignRun& run, int sign, const std::string& port);

// Every named sign at once, one thread each; returns each sign's outcome.
std::vector<SignOutcome> SendToSigns(const SignRun& run);

// "2 of 3 signs took everything; COM3: no answer".
std::string SignsSummary(const std::vector<std::string>& ports, const std::vector<SignOutcome>& outcomes);

}  // namespace velnar::tools
