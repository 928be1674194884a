#include "serial/PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace velnar::serial {

namespace {

[[noreturn]] void Fail(const char* what)
{
    throw std::system_error(errno, std::generic_category(), what);
}

// Raw: no echo of the sign's bytes back to it, no line editing, no CR/LF
// translation; every byte passes as it is.
void MakeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        Fail("tcgetattr");
    cfmakeraw(&settings);
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
        Fail("tcsetattr");
}

}  // namespace

PseudoTerminal::PseudoTerminal()
{
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        Fail("posix_openpt");
    char name[128] = {};
    if (grantpt(master_) != 0 || unlockpt(master_) != 0 || ptsname_r(master_, name, sizeof name) != 0) {
        const int error = errno;
        close(master_);
        errno = error;
        Fail("pseudo-terminal");
    }
    devicePath_ = name;
    device_ = open(name, O_RDWR | O_NOCTTY);
    if (device_ < 0) {
        const int error = errno;
        close(master_);
        errno = error;
        Fail("open pseudo-terminal device");
    }
    MakeRaw(device_);
    MakeRaw(master_);
}

PseudoTerminal::~PseudoTerminal()
{
    close(device_);
    close(master_);
}

}  // namespace velnar::serial
