#pragma once

#include <string>

namespace velnar::serial {

// Sets a terminal device to raw 9600 bit/s, 8 data bits, no parity, 1 stop
// bit: no echo, no line editing, no CR/LF translation. Throws
// std::system_error when the device refuses.
void MakeRaw(int fd);

// A serial device opened raw for the sign's side of the line.
class RawLine {
public:
    explicit RawLine(const std::string& path);  // throws std::system_error
    ~RawLine();
    RawLine(const RawLine&) = delete;
    RawLine& operator=(const RawLine&) = delete;

    int Fd() const { return fd_; }

private:
    int fd_ = -1;
};

}  // namespace velnar::serial
