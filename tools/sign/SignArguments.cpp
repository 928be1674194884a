#include "SignArguments.h"

#include <optional>

#include "NumberArgument.h"
#include "link/NetworkAddress.h"

namespace velnar::tools {

const char* const kSignUsage =
    "usage: velnar-sign [--port PATH | --listen tcp://HOST:PORT] [--silent] [--silent-after N] [--refuse N] [--late MS]\n"
    "                   [--ignore-sync N] [--ready-only] [--garbage]\n"
    "                   [--window] [--columns N] [--snapshot FILE.png] [--help] [--version]\n"
    "  --port PATH        play the sign on this serial device instead of a new pseudo-terminal\n"
    "  --listen tcp://HOST:PORT  play a sign on the network, as a raw serial server would\n"
    "  --silent           never answer, as a sign switched off\n"
    "  --silent-after N   answer the first N frames, then nothing at all\n"
    "  --refuse N         answer the first N frames with the resend byte\n"
    "  --late MS          send each accept byte MS milliseconds late\n"
    "  --ignore-sync N    leave the first N sync bytes unanswered\n"
    "  --ready-only       answer each sync byte with the ready byte, never a frame\n"
    "  --garbage          answer each frame with a byte that is neither accept nor resend\n"
    "  --window           show the sign's LED board in a window\n"
    "  --columns N        the board's width in LEDs, 64 to 512 (default 128)\n"
    "  --snapshot FILE    write the board as a PNG each time a slot's settings frame is accepted\n"
    "  --help             show this help and exit\n"
    "  --version          show the version and exit\n";

namespace {

ParsedSignArguments Refused(std::string error)
{
    ParsedSignArguments parsed;
    parsed.action = ParsedSignArguments::Action::BadUsage;
    parsed.error = std::move(error);
    return parsed;
}

}  // namespace

ParsedSignArguments ParseSignArguments(const std::vector<std::string>& arguments)
{
    using Action = ParsedSignArguments::Action;
    ParsedSignArguments parsed;
    SignOptions& options = parsed.options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "--version") {
            parsed.action = argument == "--help" ? Action::Help : Action::Version;
            return parsed;
        }
        if (argument == "--silent" || argument == "--ready-only" || argument == "--garbage") {
            (argument == "--silent" ? options.faults.silent
             : argument == "--ready-only" ? options.faults.readyOnly
                                          : options.faults.garbage) = true;
            continue;
        }
        if (argument == "--window") {
            options.window = true;
            continue;
        }
        const std::string value = i + 1 < arguments.size() ? arguments[++i] : std::string();
        const std::optional<int> count = NumberArgument(value, 0, 1000000);
        if (argument == "--listen") {
            const link::ParsedAddress address = link::ParseNetworkAddress(value);
            if (!address.address || address.address->protocol != link::NetworkAddress::Protocol::Raw)
                return Refused("--listen needs tcp://HOST:PORT" + (address.error.empty() ? "" : ": " + address.error));
            options.listen = value;
        } else if (argument == "--port" || argument == "--snapshot") {
            if (value.empty())
                return Refused(argument + (argument == "--port" ? " needs a device path" : " needs a file name"));
            (argument == "--port" ? options.port : options.snapshot) = value;
        } else if (argument == "--refuse" || argument == "--late" || argument == "--ignore-sync") {
            if (!count)
                return Refused(argument + " needs a number from 0 to 1000000");
            int& fault = argument == "--refuse" ? options.faults.refuseFrames
                         : argument == "--late" ? options.faults.lateMs
                                                : options.faults.ignoreSyncBytes;
            fault = *count;
        } else if (argument == "--silent-after") {
            const auto frames = NumberArgument(value, 1, 1000000);
            if (!frames)
                return Refused("--silent-after needs a number from 1 to 1000000");
            options.faults.silentAfterFrames = *frames;
        } else if (argument == "--columns") {
            const auto columns = NumberArgument(value, sign::kMinBoardColumns, sign::kMaxBoardColumns);
            if (!columns)
                return Refused("--columns needs a width from 64 to 512");
            options.columns = *columns;
        } else {
            return Refused("unknown argument " + argument);
        }
    }
    if (!options.listen.empty() && !options.port.empty())
        return Refused("--listen and --port each name where the sign plays: give one");
    return parsed;
}

}  // namespace velnar::tools
