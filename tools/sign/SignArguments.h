#pragma once

#include <string>
#include <vector>

#include "sign/SignDisplay.h"
#include "sign/VirtualSign.h"

namespace velnar::tools {

struct SignOptions {
    std::string port;  // a serial device to play the sign on; empty for a new pseudo-terminal
    std::string listen;  // tcp://HOST:PORT to play a networked sign on, one program at a time
    sign::SignFaults faults;
    bool window = false;
    int columns = sign::kDefaultBoardColumns;
    std::string snapshot;  // a PNG of the board, written whenever a settings frame is accepted
};

struct ParsedSignArguments {
    enum class Action { Run, Help, Version, BadUsage };
    Action action = Action::Run;
    SignOptions options;
    std::string error;  // why the arguments were refused
};

extern const char* const kSignUsage;

ParsedSignArguments ParseSignArguments(const std::vector<std::string>& arguments);

}  // namespace velnar::tools
