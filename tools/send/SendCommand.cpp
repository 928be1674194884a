#include "SendCommand.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <ostream>
#include <set>

#include "NumberArgument.h"
#include "link/NetworkAddress.h"
#include "link/PortDirectory.h"
#include "link/SendBatches.h"
#include "file/SignRecordFile.h"
#include "link/SendRun.h"
#include "link/SerialLibrary.h"
#include "link/SignLink.h"
#include "link/SlotSender.h"
#include "link/SlotSnapshot.h"
#include "model/MessageTable.h"
#include "sign/SignReport.h"

namespace velnar::tools {

const char* const kSendUsage =
    "usage: velnar-send [--port PORT]... [--net-margin MS] [--slot N]... [--page 1|2] [--all] [--changed]\n"
    "                   [--dry-run] FILE\n"
    "       velnar-send [--port PORT]... --forget\n"
    "       velnar-send --list-ports | --help | --version\n"
    "  --port PORT   COM1 to COM9, a device path, tcp://HOST:PORT (a raw serial server) or\n"
    "                rfc2217://HOST:PORT (default COM1); several --port send to several signs at once\n"
    "  --net-margin MS  added to the wait after each byte on a network port (0 to 1000, default 20)\n"
    "  --slot N      send slot N (1 to 16); may be given several times\n"
    "  --page P      send the eight slots of page P, as SIRAYLA GÖSTER does\n"
    "  --all         send all sixteen slots, as HEPSİNİ GÖNDER does\n"
    "  --changed     send only the slots that differ from what the sign holds, as far as this\n"
    "                computer knows, or that it does not hold, as DEĞİŞENLERİ GÖNDER (F5) does\n"
    "  --forget      forget what the sign on the port holds: the next --changed sends every slot\n"
    "  --dry-run     open no port; print the frames and what they carry, and how long a real send takes\n"
    "  --list-ports  show what each of COM1 to COM9 maps to, where that comes from, and whether it opens\n"
    "  --help        show this help and exit\n"
    "  --version     show the version and exit\n"
    "Each frame's line ends with how the sign took it: accepted, refused (it asked for the frame\n"
    "again, or replied with another byte) or no answer; \"after N sendings\" when it went out more than\n"
    "once. Ctrl+C, SIGTERM and SIGHUP end the send after the frame on the line.\n"
    "With several ports each frame's line begins with its port, each sign gets its report, and a\n"
    "summary line says which signs took everything.\n"
    "Exit status: 0 when every sign took every frame and every row was sent (always for --dry-run),\n"
    "1 when one did not, a port could not be used or the send was interrupted,\n"
    "2 on bad usage, an unreadable file or a network address that names no serial server.\n";

namespace {

std::string FrameLine(link::ExchangeKind kind, const link::Frame& frame)
{
    std::string line = link::FrameKindName(kind);
    for (std::uint8_t byte : frame) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", byte);
        line += hex;
    }
    return line;
}

// "accepted", "accepted after 3 sendings", "refused (20 sendings)".
std::string Verdict(const link::ExchangeTally& tally)
{
    std::string verdict = link::ResultName(tally.result);
    if (tally.sendings <= 1)
        return verdict;
    const std::string sendings = std::to_string(tally.sendings) + " sendings";
    return tally.result == link::ExchangeResult::Accepted ? verdict + " after " + sendings
                                                          : verdict + " (" + sendings + ")";
}

// The editor's notices as lines; a dry run has sent nothing to complete.
class PrintedNotices final : public link::SendNotices {
public:
    PrintedNotices(std::ostream& out, bool dryRun) : out_(out), dryRun_(dryRun) {}

    void RowNotSent(const std::string& message) override { out_ << message << '\n'; }
    void EquipmentError(const std::string& details) override
    {
        out_ << link::kEquipmentErrorText << '\n';
        if (!details.empty())
            out_ << details << '\n';
    }
    void SendComplete(link::CompletionNotice) override
    {
        if (!dryRun_)
            out_ << link::kSendCompleteText << '\n';
    }
    void RunReport(const std::string& report) override { out_ << report; }

private:
    std::ostream& out_;
    bool dryRun_;
};

std::vector<int> SlotsOf(const SendAction& action)
{
    std::vector<int> slots;
    const int first = action.kind == SendAction::Kind::Page ? (action.number - 1) * model::kSlotsPerPage + 1 : 1;
    const int count = action.kind == SendAction::Kind::Slot   ? 1
                      : action.kind == SendAction::Kind::Page ? model::kSlotsPerPage
                                                              : model::kSlotCount;
    for (int slot = first; slot < first + count; ++slot)
        slots.push_back(action.kind == SendAction::Kind::Slot ? action.number : slot);
    return slots;
}

std::array<link::SlotSnapshot, model::kSlotCount> TableSnapshots(const model::MessageTable& table)
{
    std::array<link::SlotSnapshot, model::kSlotCount> snapshots;
    for (int slot = 1; slot <= model::kSlotCount; ++slot)
        snapshots[static_cast<std::size_t>(model::SlotIndex(slot))] = link::SnapshotFromTable(table, slot);
    return snapshots;
}

// The port as one sign: COM2 and com2 are one port, and so are two spellings
// of one server address.
std::string PortIdentity(const std::string& port)
{
    if (const auto index = ComPortIndex(port))
        return "COM" + std::to_string(*index + 1);
    const link::ParsedAddress parsed = link::ParseNetworkAddress(port);
    if (!parsed.address)
        return port;
    std::string host = parsed.address->host;
    for (char& c : host)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::to_string(static_cast<int>(parsed.address->protocol)) + host + ":" +
           std::to_string(parsed.address->port);
}

std::optional<std::string> CheckPorts(const std::vector<std::string>& ports)
{
    std::set<std::string> seen;
    for (const std::string& port : ports) {
        if (link::IsNetworkAddress(port)) {
            const link::ParsedAddress parsed = link::ParseNetworkAddress(port);
            if (!parsed.address)
                return parsed.error;
        }
        if (!seen.insert(PortIdentity(port)).second)
            return port + " is named twice: each sign takes one --port";
    }
    return std::nullopt;
}

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
    options.ports.clear();
    bool listPorts = false;
    bool forget = false;
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
        } else if (argument == "--forget") {
            forget = true;
        } else if (argument == "--changed") {
            options.actions.push_back({SendAction::Kind::Changed, 0});
        } else if (argument == "--dry-run") {
            options.dryRun = true;
        } else if (argument == "--all") {
            options.actions.push_back({SendAction::Kind::All, 0});
        } else if (argument == "--port") {
            if (!hasValue)
                return {std::nullopt, "--port needs a port"};
            options.ports.push_back(arguments[++i]);
        } else if (argument == "--net-margin") {
            const auto margin = hasValue ? NumberArgument(arguments[i + 1], 0, 1000) : std::nullopt;
            if (!margin)
                return {std::nullopt, "--net-margin needs milliseconds from 0 to 1000"};
            options.netMarginMs = *margin;
            ++i;
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
    if (options.ports.empty())
        options.ports.push_back("COM1");
    if (const auto problem = CheckPorts(options.ports))
        return {std::nullopt, *problem};
    if (listPorts) {
        if (!options.file.empty() || !options.actions.empty())
            return {std::nullopt, "--list-ports sends nothing: give it no message file and no slots"};
        options.request = SendOptions::Request::ListPorts;
        return {options, {}};
    }
    if (forget) {
        if (!options.file.empty() || !options.actions.empty() || options.dryRun)
            return {std::nullopt, "--forget sends nothing: give it no message file and no slots"};
        options.request = SendOptions::Request::Forget;
        return {options, {}};
    }
    if (options.file.empty())
        return {std::nullopt, "no message file given"};
    if (options.actions.empty())
        return {std::nullopt, "nothing to send: give --slot, --page, --all or --changed"};
    return {options, {}};
}

RecordPlace RecordPlaceOf(const std::string& port, const link::PortDirectory& directory, bool dryRun)
{
    RecordPlace record;
    record.folder = file::StateFolder([](const char* name) { return std::getenv(name); });
    const std::optional<int> index = ComPortIndex(port);
    record.device = index ? directory.Com(*index + 1).device : port;
    record.keep = !dryRun;
    record.warnings = &std::cerr;
    return record;
}

std::string ProgressLine(const link::SendRun& run)
{
    const link::RunProgress progress = run.Progress();
    if (!progress.repeat.empty())
        return progress.repeat + ", " + link::MinutesSeconds(progress.leftMs) + " left";
    if (progress.position == 0)
        return "starting, " + link::MinutesSeconds(progress.leftMs) + " left";
    return "slot " + std::to_string(progress.slot) + " (" + std::to_string(progress.position) + " of " +
           std::to_string(progress.count) + "), " + link::MinutesSeconds(progress.leftMs) + " left";
}

int RunSendActions(const SendOptions& options, model::MessageTable& table, link::SignLink& signLink,
                   const link::LocalClock& clock, std::ostream& out, const RunHooks& hooks, const RecordPlace& record,
                   std::string* shortfall)
{
    int unanswered = 0;
    int refused = 0;
    const auto beforeLine = [&hooks] {
        if (hooks.beforeLine)
            hooks.beforeLine();
    };
    signLink.SetExchangeObserver([&](link::ExchangeKind kind, const link::Frame& frame, link::ExchangeResult result) {
        if (result == link::ExchangeResult::NotSent)
            return;
        unanswered += result == link::ExchangeResult::NoAnswer;
        refused += result == link::ExchangeResult::Refused;
        beforeLine();
        out << FrameLine(kind, frame);
        // A dry run tells what each frame carries; a send how the sign took it.
        if (options.dryRun)
            out << "  " << sign::DescribeContent(frame);
        else
            out << ' ' << Verdict(signLink.LastExchange());
        // Each line as its frame ends, also into a pipe: a send takes minutes.
        out << std::endl;
    });

    bool failed = false;
    bool stopped = false;
    link::SlotSender sender(signLink, clock, table);
    PrintedNotices notices(out, options.dryRun);
    const auto now = hooks.now ? hooks.now : [] { return std::int64_t{0}; };
    const std::int64_t startMs = now();
    for (const SendAction& action : options.actions) {
        std::vector<int> slots = SlotsOf(action);
        if (action.kind == SendAction::Kind::Changed) {
            const file::LoadedRecord loaded = file::LoadSignRecord(record.folder, record.device);
            if (!loaded.warning.empty() && record.warnings)
                *record.warnings << "velnar-send: " << loaded.warning << '\n';
            const std::array<link::SlotSnapshot, model::kSlotCount> current = TableSnapshots(table);
            slots = link::ChangedSlots(loaded.record, current);
            beforeLine();
            out << link::DescribeChanged(slots, current) << '\n';
            if (slots.empty())
                continue;
        }
        signLink.ReopenIfFailed();
        link::SendRun run(slots, table, now, signLink.ByteMargin());
        if (hooks.watch)
            hooks.watch(&run);
        signLink.SetHalt([&run, &hooks] {
            if (hooks.interrupted && hooks.interrupted())
                run.Stop();
            return run.Halted();
        });
        const link::SendOneSlot sendSlot = [&](int slot) {
            return run.SendSlot(sender, link::SnapshotFromTable(table, slot));
        };
        switch (action.kind) {
        case SendAction::Kind::Slot: sendSlot(action.number); break;
        case SendAction::Kind::Changed:
            // Each slot goes out as its own button sends it.
            for (const int slot : slots)
                if (!sendSlot(slot))
                    break;
            break;
        case SendAction::Kind::Page: link::SendPageBatch(table, action.number, sendSlot); break;
        case SendAction::Kind::All:
            table.sendAllRequested = 1;
            link::TakeUpSendAllPage1(table, sendSlot);
            link::TakeUpSendAllPage2(table, sendSlot);
            break;
        }
        if (hooks.watch)
            hooks.watch(nullptr);
        beforeLine();
        const std::string problem = signLink.PortProblem();
        const std::string afterword = record.keep ? file::KeepRunInRecord(record.folder, record.device, run,
                                                                          "velnar-send --changed")
                                                  : std::string();
        run.Present(notices, problem.empty() ? problem : link::ExplainPortProblem(problem), afterword);
        failed = failed || !run.TookEverything();
        stopped = run.Stopped();
        if (stopped)
            break;
    }
    if (shortfall) {
        std::string problem = signLink.PortProblem();
        // The port's own words, without the port's name the caller has.
        const std::size_t named = problem.find(": ");
        if (named != std::string::npos)
            problem.erase(0, named + 2);
        *shortfall = !failed          ? std::string()
                     : !problem.empty() ? problem
                     : stopped          ? std::string("stopped")
                     : unanswered > 0   ? std::string("no answer")
                     : refused > 0      ? std::string("refused a frame")
                                        : std::string("a row too long to send");
    }
    // The virtual pacer of a dry run has counted every wait of the frames.
    if (options.dryRun)
        out << "dry run: nothing was sent; a real send takes about " << link::MinutesSeconds(now() - startMs) << '\n';
    out.flush();
    signLink.SetExchangeObserver({});
    signLink.SetHalt({});
    return failed ? 1 : 0;
}

void ListPorts(const link::PortDirectory& ports, link::SerialLibrary& library, std::ostream& out)
{
    std::set<std::string> advice;
    for (int port = 1; port <= link::kComPortCount; ++port) {
        const link::ComPort& com = ports.Com(port);
        out << link::DescribeComPort(port, com) << (com.origin == link::PortOrigin::Automatic ? " (automatic)" : "");
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
