#pragma once

#include <string>

namespace velnar::serial {

// A pseudo-terminal pair in raw mode, standing in for a serial line: the
// program opens the device at DevicePath() as its port, and whoever holds
// Fd() plays the sign. The device side is kept open here as well, so the
// line survives the program closing and re-opening its port.
class PseudoTerminal {
public:
    PseudoTerminal();  // throws std::system_error when no pseudo-terminal can be had
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    int Fd() const { return master_; }
    const std::string& DevicePath() const { return devicePath_; }

private:
    int master_ = -1;
    int device_ = -1;
    std::string devicePath_;
};

}  // namespace velnar::serial
