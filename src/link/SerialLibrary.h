#pragma once

#include <string>

namespace velnar::link {

// Byte-level access to the serial ports, named by library port number
// (1 = COM1 ... 9 = COM9). A port is a serial device or a network serial
// server (tcp://HOST:PORT, rfc2217://HOST:PORT); the contract is the same.
// This is the whole contract the link relies on:
//
// - OpenPort makes the port usable for ConfigurePort, WriteByte and ReadByte.
//   kErrorBadAddress says the port names a server that cannot be what was
//   meant (no such address, a name that does not resolve, a server that does
//   not speak RFC 2217), as opposed to one that does not work now.
// - ClosePort releases it; closing a port that is not open is harmless.
// - ConfigurePort sets the line format from a speed code and a line-mode code
//   (12 = 9600 bit/s, 3 = 8 data bits, no parity, 1 stop bit). A code the
//   library cannot honour is refused, never silently replaced by another.
// - SetLineControlA/B with 0 are called once each after ConfigurePort.
// - WriteByte puts the low 8 bits of the value on the line as one byte, in
//   call order, and returns only once the byte has left the program, so that
//   the pacing wait that follows is measured from the byte on the line.
// - ReadByte returns at once, also while no event loop runs: the oldest
//   received byte not yet read (0..255), or kNoByte when none is waiting.
//   Bytes that arrive between reads wait in the receive buffer. A port that
//   is gone (an adapter unplugged, a connection dropped) reads as kNoByte and
//   shows in PortProblem.
//
// Every operation but ReadByte returns kOk or a negative error code. The link
// ignores these results, as the sign protocol has no use for them; the shell
// shows PortProblem so the operator can see why a port does not work.
class SerialLibrary {
public:
    static constexpr int kOk = 0;
    static constexpr int kNoByte = -1;
    static constexpr int kErrorNotOpen = -2;
    static constexpr int kErrorOpenFailed = -3;
    static constexpr int kErrorUnsupported = -4;
    static constexpr int kErrorIo = -5;
    static constexpr int kErrorBadAddress = -6;

    virtual ~SerialLibrary() = default;

    virtual int OpenPort(int port) = 0;
    virtual int ClosePort(int port) = 0;
    virtual int ConfigurePort(int port, int speedCode, int lineModeCode) = 0;
    virtual int SetLineControlA(int port, int value) = 0;
    virtual int SetLineControlB(int port, int value) = 0;
    virtual int WriteByte(int port, int value) = 0;
    virtual int ReadByte(int port) = 0;

    // Why the port last failed to open, configure or write, in the words of
    // the system (for example "Permission denied"); empty while it works.
    virtual std::string PortProblem(int port) const = 0;
};

}  // namespace velnar::link
