#include "serial/RawLine.h"

#include <cerrno>
#include <fcntl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>

namespace velnar::serial {

void MakeRaw(int fd)
{
    termios settings{};
    if (tcgetattr(fd, &settings) != 0)
        throw std::system_error(errno, std::generic_category(), "tcgetattr");
    cfmakeraw(&settings);
    cfsetispeed(&settings, B9600);
    cfsetospeed(&settings, B9600);
    settings.c_cflag |= CLOCAL | CREAD;
    if (tcsetattr(fd, TCSANOW, &settings) != 0)
        throw std::system_error(errno, std::generic_category(), "tcsetattr");
}

RawLine::RawLine(const std::string& path)
{
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY);
    if (fd_ < 0)
        throw std::system_error(errno, std::generic_category(), path);
    try {
        MakeRaw(fd_);
    } catch (...) {
        close(fd_);
        throw;
    }
}

RawLine::~RawLine()
{
    close(fd_);
}

}  // namespace velnar::serial
