#include "SendCommand.h"

#include <cstdio>
#include <ostream>
#include <set>

#include "NumberArgument.h"
#include "link/PortDirectory.h"
#include "link/SendBatches.h"
#include "link/SerialLibrary.h"
#include "link/SignLink.h"
#include "link/SlotSender.h"
#include "link/SlotSnapshot.h"
#include "model/MessageTable.h"

namespace velnar::tools {

const char* const kSendUsage =
    "usage: velnar-send [--port PORT] [--slot N]... [--page 1|2] [--all] [--dry-run] FILE\n"
    "       velnar-send --list-ports | --help | --version\n"
    "  --port PORT   COM1 to COM9 or a device path (default COM1)\n"
    "  --slot N      send slot N (1 to 16); may be given several times\n"
    "  --page P      send the eight slots of page P, as SIRAYLA GÖSTER does\n"
    "  --all         send all sixteen slots, as HEPSİNİ GÖNDER does\n"
    "  --dry-run     open no port; print the frames as if the sign took them all\n"
    "  --list-ports  show the device behind each of COM1 to COM9 and whether it can be opened\n"
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n"
    "Exit status: 0 when the sign took every frame, 1 when it did not, 2 on bad usage or an unreadable file.\n";

namespace {

const char* KindName(link::ExchangeKind kind)
{
    switch (kind) {
    case link::ExchangeKind::TextFrame: return "TEXT";
    case link::ExchangeKind::BlankFrame: return "BLANK";
    case link::ExchangeKind::SettingsFramePage1:
    case link::ExchangeKind::SettingsFramePage2: return "SETTINGS";
    case link::ExchangeKind::ClockFrame: return "CLOCK";
    }
    return "?";
}

std::string FrameLine(link::ExchangeKind kind, const link::Frame& frame)
{
    std::string line = KindName(kind);
    for (std::uint8_t byte : frame) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", byte);
        line += hex;
    }
    return line;
}

// The editor's notices as lines; the run goes on after an equipment error,
// as there is nobody to ask.
class PrintedNotices final : public link::SendNotices {
public:
    PrintedNotices(std::ostream& out, link::SignLink& signLink) : out_(out), signLink_(signLink) {}

    void RowNotSent(const std::string& message) override { out_ << message << '\n'; }
    bool EquipmentError(bool) override
    {
        out_ << link::kEquipmentErrorText << '\n';
        const std::string problem = signLink_.Library().PortProblem(signLink_.LibraryPort());
        if (!problem.empty())
            out_ << link::ExplainPortProblem(problem) << '\n';
        return true;
    }
    void SendComplete(link::CompletionNotice) override { out_ << link::kSendCompleteText << '\n'; }

private:
    std::ostream& out_;
    link::SignLink& signLink_;
};

}  // namespace

std::optional<int> ComPortIndex(const std::string& port)
{
    if (port.size() != 4 || (port[0] != 'C' && port[0] != 'c') || (port[1] != 'O' && port[1] != 'o') ||
        (port[2] != 'M' && port[2] != 'm'))
        return std::nullopt;
    const auto number = NumberArgument(port.substr(3), 1, 9);
    if (!number)
        return std::nullopt;
    return *number - 1;
}

ParsedArguments ParseSendArguments(const std::vector<std::string>& arguments)
{
    SendOptions options;
    bool listPorts = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if (argument == "--help" || argument == "-h") {
            options.request = SendOptions::Request::Help;
            return {options, {}};
        } else if (argument == "--version") {
            options.request = SendOptions::Request::Version;
            return {options, {}};
        } else if (argument == "--list-ports") {
            listPorts = true;
        } else if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--all") {
            options.actions.push_back({SendAction::Kind::All, 0});
        } else if (argument == "--port") {
            if (!hasValue)
                return {std::nullopt, "--port needs a port"};
            options.port = arguments[++i];
        } else if (argument == "--slot" || argument == "--page") {
            const bool slot = argument == "--slot";
            const auto number = hasValue ? NumberArgument(arguments[i + 1], 1, slot ? 16 : 2) : std::nullopt;
            if (!number)
                return {std::nullopt, slot ? "--slot needs a slot from 1 to 16" : "--page needs 1 or 2"};
            options.actions.push_back({slot ? SendAction::Kind::Slot : SendAction::Kind::Page, *number});
            ++i;
        } else if (argument.size() > 1 && argument[0] == '-') {
            return {std::nullopt, "unknown option " + argument};
        } else if (options.file.empty()) {
            options.file = argument;
        } else {
            return {std::nullopt, "only one message file may be given"};
        }
    }
    if (listPorts) {
        if (!options.file.empty() || !options.actions.empty())
            return {std::nullopt, "--list-ports sends nothing: give it no message file and no slots"};
        options.request = SendOptions::Request::ListPorts;
        return {options, {}};
    }
    if (options.file.empty())
        return {std::nullopt, "no message file given"};
    if (options.actions.empty())
        return {std::nullopt, "nothing to send: give --slot, --page or --all"};
    return {options, {}};
}

int RunSendActions(const SendOptions& options, model::MessageTable& table, link::SignLink& signLink,
                   const link::LocalClock& clock, std::ostream& out)
{
    bool failed = false;
    signLink.SetExchangeObserver([&](link::ExchangeKind kind, const link::Frame& frame, bool accepted) {
        out << FrameLine(kind, frame);
        if (!options.dryRun)
            out << (accepted ? " accepted" : " refused");
        // Each line as its frame ends, also into a pipe: a send takes minutes.
        out << std::endl;
        failed = failed || !accepted;
    });

    link::SlotSender sender(signLink, clock, table);
    PrintedNotices notices(out, signLink);
    const link::SendOneSlot sendSlot = [&](int slot) {
        const link::SendOutcome outcome = sender.SendSlot(link::SnapshotFromTable(table, slot));
        failed = failed || !outcome.skippedRows.empty();
        return link::PresentOutcome(outcome, table.pageBatchActive != 0, notices);
    };

    for (const SendAction& action : options.actions) {
        switch (action.kind) {
        case SendAction::Kind::Slot: sendSlot(action.number); break;
        case SendAction::Kind::Page: link::SendPageBatch(table, action.number, sendSlot); break;
        case SendAction::Kind::All:
            table.sendAllRequested = 1;
            link::TakeUpSendAllPage1(table, sendSlot);
            link::TakeUpSendAllPage2(table, sendSlot);
            break;
        }
    }
    out.flush();
    signLink.SetExchangeObserver({});
    return failed ? 1 : 0;
}

void ListPorts(const link::PortDirectory& ports, link::SerialLibrary& library, std::ostream& out)
{
    std::set<std::string> advice;
    for (int port = 1; port <= link::kComPortCount; ++port) {
        const link::ComPort& com = ports.Com(port);
        out << link::DescribeComPort(port, com);
        if (com.device.empty()) {
            out << '\n';
            continue;
        }
        library.OpenPort(port);
        std::string problem = library.PortProblem(port);
        library.ClosePort(port);
        if (problem.empty()) {
            out << " - can be opened\n";
            continue;
        }
        // The library names the device in its problem; the line named it.
        if (problem.compare(0, com.device.size() + 2, com.device + ": ") == 0)
            problem.erase(0, com.device.size() + 2);
        const std::string explained = link::ExplainPortProblem(problem);
        const std::size_t more = explained.find('\n');
        out << " - cannot be opened: " << explained.substr(0, more) << '\n';
        if (more != std::string::npos)
            advice.insert(explained.substr(more + 1));
    }
    for (const std::string& line : advice)
        out << line << '\n';
}

}  // namespace velnar::tools
