#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "link/LineCoding.h"

namespace velnar::link {

using Bytes = std::vector<std::uint8_t>;

// Telnet as a serial server speaks it, with the COM-port option that sets
// its line: the sign's bytes travel in binary mode, a data byte 0xFF goes
// doubled (it is Telnet's command byte), and the server confirms each line
// setting by echoing it back.
class TelnetCodec {
public:
    // What the client offers at once: binary both ways, suppressed go-ahead,
    // and the COM-port option.
    static Bytes Opening();

    // The line format and no flow control, as COM-port subnegotiations.
    static Bytes LineSettings(const LineFormat& format);
    static Bytes NoFlowControl();
    // The modem lines DTR and RTS raised or lowered; servers confirm them
    // too, but a line without modem lines may not, so nothing waits on them.
    static Bytes ModemLines(bool dtr, bool rts);

    // A data byte as it goes on the wire.
    static void AppendData(Bytes& out, std::uint8_t byte);

    // Takes bytes from the server: the sign's bytes go to `data`, answers to
    // the server's negotiation to `reply`.
    void Take(const std::uint8_t* bytes, std::size_t count, Bytes& data, Bytes& reply);

    // The server agreed to the COM-port option, or refused it.
    bool ComPortAgreed() const { return comPortAgreed_; }
    bool ComPortRefused() const { return comPortRefused_; }
    // Whether the server confirmed the COM-port setting of this command.
    bool Confirmed(int command) const { return confirmed_.count(command) != 0; }

private:
    void Negotiate(std::uint8_t verb, std::uint8_t option, Bytes& reply);
    void Subnegotiation();

    enum class State { Data, Command, Option, Sub, SubCommand };
    State state_ = State::Data;
    std::uint8_t verb_ = 0;
    Bytes sub_;
    std::set<int> confirmed_;
    std::set<int> answered_;  // verb << 8 | option, so that no answer repeats
    bool comPortAgreed_ = false;
    bool comPortRefused_ = false;
};

// COM-port commands whose confirmation a client waits for.
constexpr int kComPortSetBaudRate = 1;
constexpr int kComPortSetDataSize = 2;
constexpr int kComPortSetParity = 3;
constexpr int kComPortSetStopSize = 4;
constexpr int kComPortSetControl = 5;

}  // namespace velnar::link
