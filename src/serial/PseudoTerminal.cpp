#include "serial/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

#include "serial/RawLine.h"

namespace velnar::serial {

PseudoTerminal::PseudoTerminal()
{
    try {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        char name[128] = {};
        if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
            ptsname_r(master_, name, sizeof name) != 0)
            throw std::system_error(errno, std::generic_category(), "pseudo-terminal");
        devicePath_ = name;
        device_ = open(name, O_RDWR | O_NOCTTY);
        if (device_ < 0)
            throw std::system_error(errno, std::generic_category(), devicePath_);
        MakeRaw(device_);
        MakeRaw(master_);
    } catch (...) {
        if (device_ >= 0)
            close(device_);
        if (master_ >= 0)
            close(master_);
        throw;
    }
}

PseudoTerminal::~PseudoTerminal()
{
    close(device_);
    close(master_);
}

}  // namespace velnar::serial
