#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {
class LocalClock;
class PortDirectory;
class SendRun;
class SerialLibrary;
class SignLink;
}  // namespace velnar::link

namespace velnar::tools {

// What the operator asked to send, in the order given.
struct SendAction {
    enum class Kind { Slot, Page, All, Changed };
    Kind kind;
    int number = 0;  // the slot 1..16 or the page 1..2
};

struct SendOptions {
    enum class Request { Send, Help, Version, ListPorts, Forget };
    Request request = Request::Send;
    std::vector<std::string> ports = {"COM1"};  // each a sign of its own
    std::optional<int> netMarginMs;              // for every network port of the run
    std::vector<SendAction> actions;
    bool dryRun = false;
    std::string file;
};

struct ParsedArguments {
    std::optional<SendOptions> options;
    std::string error;  // why the arguments were refused
};

extern const char* const kSendUsage;

ParsedArguments ParseSendArguments(const std::vector<std::string>& arguments);

// "COM1" to "COM9", in any case: the port index 0..8; nothing for a device path.
std::optional<int> ComPortIndex(const std::string& port);

// What a send takes from the terminal: whether the operator interrupted it
// (it then ends after the frame on the line), the milliseconds its runs are
// timed in, who follows the run under way (null between runs), and who
// clears the terminal's progress line before a line is printed.
struct RunHooks {
    std::function<bool()> interrupted;
    std::function<std::int64_t()> now;
    std::function<void(const link::SendRun*)> watch;
    std::function<void()> beforeLine;
};

// Where the record of what the port's sign holds is kept: the state folder
// and the port's device (none: no record). A dry run reads it and keeps
// nothing; why a record was not taken goes to `warnings`.
struct RecordPlace {
    std::filesystem::path folder;
    std::string device;
    bool keep = true;
    std::ostream* warnings = nullptr;
};

// The record of the sign on `port`, in the state folder the editor uses too;
// a dry run reads it and keeps nothing.
RecordPlace RecordPlaceOf(const std::string& port, const link::PortDirectory& directory, bool dryRun);

// Sends what the editor would send after opening the file into `table` and
// pressing the same buttons, over a link whose port is open; each --slot,
// --page, --all and --changed is a run, and each run is kept in the record. Prints a line per frame and, after each run,
// the editor's notices to `out`; a dry run ends with the time a real send
// takes instead. Returns 0 when every frame was accepted and every row
// sent, else 1. `shortfall`, if given, is set to what kept the sign from
// taking everything, in a few words ("no answer"); empty when it took all.
int RunSendActions(const SendOptions& options, model::MessageTable& table, link::SignLink& signLink,
                   const link::LocalClock& clock, std::ostream& out, const RunHooks& hooks = {},
                   const RecordPlace& record = {}, std::string* shortfall = nullptr);

// "slot 3 (2 of 8), 1:05 left" for a terminal's status line, or what the
// sign keeps asking for while a frame repeats.
std::string ProgressLine(const link::SendRun& run);

// One line per COM1 to COM9: the device it maps to and whether it can be
// opened, with the system's reason when not; then what the operator can do
// about such reasons.
void ListPorts(const link::PortDirectory& ports, link::SerialLibrary& library, std::ostream& out);

}  // namespace velnar::tools
