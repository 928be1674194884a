#include <gtest/gtest.h>

#include <map>

#include "link/ComPorts.h"

namespace velnar::link {
namespace {

// The devices behind COM1, COM2, ..., without their "/dev/".
std::vector<std::string> Devices(const ComPortMap& map)
{
    std::vector<std::string> devices;
    for (const ComPort& com : map)
        devices.push_back(com.device.empty() ? "" : com.device.substr(5));
    while (!devices.empty() && devices.back().empty())
        devices.pop_back();
    return devices;
}

TEST(ComPortsTest, UsbAdaptersFirstThenTheOthersByNumber)
{
    struct Case {
        const char* what;
        std::vector<std::string> listed;  // in /dev
        std::map<std::string, std::string> environment;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"no ports", {}, {}, {}},
        {"one USB adapter before the board's port", {"ttyS0", "ttyUSB0"}, {}, {"ttyUSB0", "ttyS0"}},
        {"two adapters and two ttyS, by name and number", {"ttyS10", "ttyUSB1", "ttyS2", "ttyACM0"}, {},
         {"ttyACM0", "ttyUSB1", "ttyS2", "ttyS10"}},
        {"VELNAR_COM2 overrides the second entry only", {"ttyUSB0", "ttyS0", "ttyS1"}, {{"VELNAR_COM2", "/dev/pts/7"}},
         {"ttyUSB0", "pts/7", "ttyS1"}},
        {"a pinned COM beyond the list", {"ttyUSB0"}, {{"VELNAR_COM3", "/dev/pts/7"}}, {"ttyUSB0", "", "pts/7"}},
        {"macOS names, without the call-in twins",
         {"tty.usbserial-A1", "cu.usbserial-A1", "cu.Bluetooth-Incoming-Port", "cu.usbmodem14"}, {},
         {"cu.usbmodem14", "cu.usbserial-A1", "cu.Bluetooth-Incoming-Port"}},
        {"more than nine ports: the first nine",
         {"ttyS0", "ttyS1", "ttyS2", "ttyS3", "ttyS4", "ttyS5", "ttyS6", "ttyS7", "ttyS8", "ttyS9", "ttyUSB0"}, {},
         {"ttyUSB0", "ttyS0", "ttyS1", "ttyS2", "ttyS3", "ttyS4", "ttyS5", "ttyS6", "ttyS7"}},
    };
    for (const Case& c : cases) {
        std::vector<SystemPort> ports;
        for (const std::string& device : c.listed)
            ports.push_back({"/dev/" + device, ""});
        const Environment environment = [&](const std::string& name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::string() : found->second;
        };
        EXPECT_EQ(Devices(MapComPorts(environment, ports)), c.expected) << c.what;
    }
}

// The port map over automatic ports: VELNAR_COMn wins, a broken entry says why.
TEST(ComPortsTest, PortMapOverTheAutomaticPorts)
{
    const Environment environment = [](const std::string& name) {
        return name == "VELNAR_COM3" ? std::string("/dev/pts/7") : std::string();
    };
    ComPortMap map = MapComPorts(environment, {{"/dev/ttyUSB0", ""}, {"/dev/ttyS0", ""}});
    ApplyPortMap(map, {{1, {"rfc2217://127.0.0.9:2217", "35"}},
                       {2, {"", "50"}},
                       {3, {"tcp://127.0.0.5:4001", ""}},
                       {4, {"tcp://127.0.0.5", ""}},
                       {5, {"/dev/ttyUSB3", ""}},
                       {6, {"tcp://127.0.0.5:4001", "fast"}}});
    std::vector<std::string> described;
    for (int port = 1; port <= 6; ++port)
        described.push_back(DescribeComPort(port, map[static_cast<std::size_t>(port - 1)]));
    EXPECT_EQ(described, (std::vector<std::string>{
                             "COM1: rfc2217://127.0.0.9:2217, RFC 2217 network serial server (settings)",
                             "COM2: /dev/ttyS0",
                             "COM3: /dev/pts/7 (environment: VELNAR_COM3)",
                             "COM4: no port (port map: tcp://127.0.0.5: no port given (for example tcp://127.0.0.5:4001))",
                             "COM5: /dev/ttyUSB3 (settings)",
                             "COM6: no port (port map: the network margin \"fast\" is not 0 to 1000 ms)",
                         }));
    EXPECT_EQ(map[0].netMarginMs, 35);
}

}  // namespace
}  // namespace velnar::link
