#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace velnar::link {

// The operator chooses the sign's line as COM1 to COM9, as the sign's
// manuals speak of it, whatever the system calls its serial devices.
constexpr int kComPortCount = 9;

// A serial device as the system lists it.
struct SystemPort {
    std::string device;       // "/dev/ttyUSB0", "COM3"
    std::string description;  // "FT232R USB UART"; may be empty
};

// The wait added after each byte on a network port unless the operator set
// another: a byte held up on the way still reaches the sign in time.
constexpr int kDefaultNetMarginMs = 20;

// Where a COMn's device came from: the system's list, the operator's port
// map in the user's settings, or VELNAR_COMn, which wins over both.
enum class PortOrigin { Automatic, Settings, Environment };

// What one COMn stands for; nothing maps to it when `device` is empty.
struct ComPort {
    std::string device;  // a device, or a network address (tcp://, rfc2217://)
    std::string description;
    PortOrigin origin = PortOrigin::Automatic;
    int netMarginMs = kDefaultNetMarginMs;
    std::string problem;  // why the port map's entry for it names no port
};

// One COMn in the operator's port map, as the settings keep it: a device
// path or a network address, and the margin for a network address in
// milliseconds (empty for the default).
struct PortMapEntry {
    std::string address;
    std::string netMarginMs;
};
using PortMapEntries = std::map<int, PortMapEntry>;  // by port 1..9
using ComPortMap = std::array<ComPort, kComPortCount>;

// The value of an environment variable; empty when it is not set.
using Environment = std::function<std::string(const std::string& name)>;

// Where COMn is not the system's own name (Linux, macOS): COMn is the device
// that VELNAR_COMn names when it is set, else the n-th of the system's ports
// with USB adapters first (ttyUSB, ttyACM, cu.usbserial, cu.usbmodem), then
// the others, each group in the order of their names and numbers. A macOS
// call-in twin (tty.X beside cu.X) is left out: it waits for a carrier the
// sign never raises.
ComPortMap MapComPorts(const Environment& environment, std::vector<SystemPort> ports);

// Where COMn is the system's own name (Windows): the list only lends its
// descriptions.
ComPortMap SystemComPorts(const std::vector<SystemPort>& ports);

// The operator's port map over the automatic one: an entry with an address
// replaces the port's device unless VELNAR_COMn named it; an entry that
// cannot be used leaves the port with no device and says why. The other
// ports keep their places.
void ApplyPortMap(ComPortMap& map, const PortMapEntries& entries);

// "COM1: /dev/ttyUSB0, FT232R USB UART",
// "COM2: /dev/pts/3 (environment: VELNAR_COM2)",
// "COM4: tcp://10.0.0.5:4001, raw network serial server (settings)", or
// "COM3: no port", with why when the port map's entry is broken; port 1..9.
std::string DescribeComPort(int port, const ComPort& com);

// Why a port cannot be used, in the system's words, with what the operator
// can do about it where that is known: on Linux a refused permission means
// the user is not in the group dialout.
std::string ExplainPortProblem(const std::string& problem);

// A port that never worked in a send: "COM2: no such port; nothing was
// sent", then whatever explains the problem, a line each.
std::string NothingWasSent(const std::string& explainedProblem);

}  // namespace velnar::link
