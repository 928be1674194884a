#include "app/EditorArguments.h"

#include <cstring>

namespace velnar::app {

const char* const kEditorUsage =
    "usage: velnar-messages [--help] [--version] [FILE]\n"
    "Edits the sixteen message slots of the sign and sends them over a serial line; needs a display.\n"
    "  FILE       a message file to open at start, as AÇ.. does\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "VELNAR_COM1 to VELNAR_COM9 name the device behind a port, for example VELNAR_COM1=/dev/ttyUSB0.\n";

EditorRequest EditorRequestOf(int argc, const char* const* argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0)
            return EditorRequest::Help;
        if (std::strcmp(argv[i], "--version") == 0)
            return EditorRequest::Version;
    }
    return EditorRequest::Run;
}

const char* EditorFileArgument(int argc, const char* const* argv)
{
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        if (options && std::strcmp(argv[i], "--") == 0)
            options = false;
        else if (!options || argv[i][0] != '-')
            return argv[i];
    }
    return nullptr;
}

}  // namespace velnar::app
