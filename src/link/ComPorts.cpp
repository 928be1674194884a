#include "link/ComPorts.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <tuple>

#include "link/NetworkAddress.h"

namespace velnar::link {

namespace {

const char* const kUsbPrefixes[] = {"ttyUSB", "ttyACM", "cu.usbserial", "cu.usbmodem"};

std::string BaseName(const std::string& device)
{
    const std::size_t slash = device.find_last_of('/');
    return slash == std::string::npos ? device : device.substr(slash + 1);
}

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool IsUsbAdapter(const SystemPort& port)
{
    const std::string name = BaseName(port.device);
    return std::any_of(std::begin(kUsbPrefixes), std::end(kUsbPrefixes),
                       [&](const char* prefix) { return StartsWith(name, prefix); });
}

// ttyS2 before ttyS10: the name without its trailing number, then the number.
std::tuple<bool, std::string, unsigned long, std::string> OrderKey(const SystemPort& port)
{
    const std::string name = BaseName(port.device);
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    const std::string number = name.substr(digits, 9);
    return {!IsUsbAdapter(port), name.substr(0, digits), number.empty() ? 0 : std::stoul(number), port.device};
}

bool IsCallInTwin(const SystemPort& port, const std::vector<SystemPort>& ports)
{
    const std::string name = BaseName(port.device);
    if (!StartsWith(name, "tty."))
        return false;
    const std::string twin = port.device.substr(0, port.device.size() - name.size()) + "cu." + name.substr(4);
    return std::any_of(ports.begin(), ports.end(), [&](const SystemPort& other) { return other.device == twin; });
}

}  // namespace

ComPortMap MapComPorts(const Environment& environment, std::vector<SystemPort> ports)
{
    const std::vector<SystemPort> listed = ports;
    ports.erase(std::remove_if(ports.begin(), ports.end(),
                               [&](const SystemPort& port) { return IsCallInTwin(port, listed); }),
                ports.end());
    std::sort(ports.begin(), ports.end(),
              [](const SystemPort& a, const SystemPort& b) { return OrderKey(a) < OrderKey(b); });

    ComPortMap map;
    for (int n = 1; n <= kComPortCount; ++n) {
        ComPort& com = map[static_cast<std::size_t>(n - 1)];
        const std::string pinned = environment ? environment("VELNAR_COM" + std::to_string(n)) : std::string();
        if (!pinned.empty()) {
            com.device = pinned;
            com.origin = PortOrigin::Environment;
            const auto known = std::find_if(ports.begin(), ports.end(),
                                            [&](const SystemPort& port) { return port.device == pinned; });
            if (known != ports.end())
                com.description = known->description;
        } else if (static_cast<std::size_t>(n) <= ports.size()) {
            com.device = ports[static_cast<std::size_t>(n - 1)].device;
            com.description = ports[static_cast<std::size_t>(n - 1)].description;
        }
    }
    return map;
}

ComPortMap SystemComPorts(const std::vector<SystemPort>& ports)
{
    ComPortMap map;
    for (int n = 1; n <= kComPortCount; ++n) {
        ComPort& com = map[static_cast<std::size_t>(n - 1)];
        com.device = "COM" + std::to_string(n);
        for (const SystemPort& port : ports) {
            if (port.device == com.device)
                com.description = port.description;
        }
    }
    return map;
}

void ApplyPortMap(ComPortMap& map, const PortMapEntries& entries)
{
    for (const auto& [port, entry] : entries) {
        if (port < 1 || port > kComPortCount || entry.address.empty())
            continue;
        ComPort& com = map[static_cast<std::size_t>(port - 1)];
        if (com.origin == PortOrigin::Environment)
            continue;
        com = ComPort{};
        com.origin = PortOrigin::Settings;
        const auto margin = entry.netMarginMs.empty() || entry.netMarginMs.size() > 4 ||
                                    entry.netMarginMs.find_first_not_of("0123456789") != std::string::npos
                                ? std::optional<int>()
                                : std::optional<int>(std::stoi(entry.netMarginMs));
        if (!entry.netMarginMs.empty() && (!margin || *margin > 1000)) {
            com.problem = "the network margin \"" + entry.netMarginMs + "\" is not 0 to 1000 ms";
            continue;
        }
        if (IsNetworkAddress(entry.address)) {
            const ParsedAddress parsed = ParseNetworkAddress(entry.address);
            if (!parsed.address) {
                com.problem = parsed.error;
                continue;
            }
            com.description = parsed.address->protocol == NetworkAddress::Protocol::Raw
                                  ? "raw network serial server"
                                  : "RFC 2217 network serial server";
        }
        com.device = entry.address;
        com.netMarginMs = margin.value_or(kDefaultNetMarginMs);
    }
}

std::string DescribeComPort(int port, const ComPort& com)
{
    std::string text = "COM" + std::to_string(port) + ": ";
    if (com.device.empty())
        return text + "no port" + (com.problem.empty() ? "" : " (port map: " + com.problem + ")");
    text += com.device;
    if (!com.description.empty())
        text += ", " + com.description;
    if (com.origin == PortOrigin::Environment)
        text += " (environment: VELNAR_COM" + std::to_string(port) + ")";
    if (com.origin == PortOrigin::Settings)
        text += " (settings)";
    return text;
}

std::string ExplainPortProblem(const std::string& problem)
{
#ifdef __linux__
    // Serial devices belong to the group dialout; a user outside it is
    // refused until added and logged in again.
    if (problem.find("Permission denied") != std::string::npos) {
        return problem +
               "\nThe user must be allowed to use serial ports: add the user to the group dialout "
               "(sudo adduser $USER dialout) and log in again.";
    }
#endif
    return problem;
}

std::string NothingWasSent(const std::string& explainedProblem)
{
    const std::size_t more = explainedProblem.find('\n');
    std::string text = explainedProblem.substr(0, more) + "; nothing was sent\n";
    if (more != std::string::npos)
        text += explainedProblem.substr(more + 1) + "\n";
    return text;
}

}  // namespace velnar::link
