#pragma once

#include <optional>
#include <string>

namespace velnar::link {

// A network serial server that stands in for a cable: the sign's line is
// on a box (or a small computer running a serial server) reached over TCP.
struct NetworkAddress {
    enum class Protocol {
        Raw,      // tcp://HOST:PORT: the bytes as they are; the server's line is already 9600 8N1
        Rfc2217,  // rfc2217://HOST:PORT: Telnet, with the line set through its COM-port option
    };
    Protocol protocol = Protocol::Raw;
    std::string host;
    int port = 0;
};

struct ParsedAddress {
    std::optional<NetworkAddress> address;
    std::string error;  // why the text names no server
};

// Whether a port names a network server rather than a device.
bool IsNetworkAddress(const std::string& port);

// "tcp://HOST:PORT" or "rfc2217://HOST:PORT", HOST a name, an IPv4 address
// or an IPv6 address in brackets, PORT 1 to 65535.
ParsedAddress ParseNetworkAddress(const std::string& text);

// The host names of the reserved top-level domain "invalid" never resolve:
// no name server needs to be asked.
bool IsReservedInvalidName(const std::string& host);

}  // namespace velnar::link
