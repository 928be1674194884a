#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "link/ComPorts.h"

namespace velnar::link {
namespace {

// The devices behind COM1, COM2, ... up to the last one that maps to any.
std::vector<std::string> Devices(const ComPortMap& map)
{
    std::vector<std::string> devices;
    for (const ComPort& com : map)
        devices.push_back(com.device);
    while (!devices.empty() && devices.back().empty())
        devices.pop_back();
    return devices;
}

TEST(ComPortsTest, UsbAdaptersFirstThenTheOthersByNumber)
{
    struct Case {
        const char* what;
        std::vector<std::string> listed;
        std::map<std::string, std::string> environment;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"no ports", {}, {}, {}},
        {"one USB adapter before the board's port", {"/dev/ttyS0", "/dev/ttyUSB0"}, {}, {"/dev/ttyUSB0", "/dev/ttyS0"}},
        {"two adapters and two ttyS, by name and number", {"/dev/ttyS10", "/dev/ttyUSB1", "/dev/ttyS2", "/dev/ttyACM0"},
         {}, {"/dev/ttyACM0", "/dev/ttyUSB1", "/dev/ttyS2", "/dev/ttyS10"}},
        {"VELNAR_COM2 overrides the second entry only", {"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS1"},
         {{"VELNAR_COM2", "/dev/pts/7"}}, {"/dev/ttyUSB0", "/dev/pts/7", "/dev/ttyS1"}},
        {"a pinned COM beyond the list", {"/dev/ttyUSB0"}, {{"VELNAR_COM3", "/dev/pts/7"}},
         {"/dev/ttyUSB0", "", "/dev/pts/7"}},
        {"macOS names, without the call-in twins",
         {"/dev/tty.usbserial-A1", "/dev/cu.usbserial-A1", "/dev/cu.Bluetooth-Incoming-Port", "/dev/cu.usbmodem14"},
         {}, {"/dev/cu.usbmodem14", "/dev/cu.usbserial-A1", "/dev/cu.Bluetooth-Incoming-Port"}},
        {"more than nine ports: the first nine",
         {"/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyS5", "/dev/ttyS6",
          "/dev/ttyS7", "/dev/ttyS8", "/dev/ttyS9", "/dev/ttyUSB0"},
         {}, {"/dev/ttyUSB0", "/dev/ttyS0", "/dev/ttyS1", "/dev/ttyS2", "/dev/ttyS3", "/dev/ttyS4", "/dev/ttyS5",
              "/dev/ttyS6", "/dev/ttyS7"}},
    };
    for (const Case& c : cases) {
        std::vector<SystemPort> ports;
        for (const std::string& device : c.listed)
            ports.push_back({device, ""});
        const Environment environment = [&](const std::string& name) {
            const auto found = c.environment.find(name);
            return found == c.environment.end() ? std::string() : found->second;
        };
        EXPECT_EQ(Devices(MapComPorts(environment, ports)), c.expected) << c.what;
    }
}

TEST(ComPortsTest, DescriptionsAndPinsAreKept)
{
    const ComPortMap map = MapComPorts(
        [](const std::string& name) { return name == "VELNAR_COM3" ? std::string("/dev/ttyS0") : std::string(); },
        {{"/dev/ttyS0", "16550A"}, {"/dev/ttyUSB0", "FT232R USB UART"}});
    EXPECT_EQ(std::tie(map[0].description, map[0].pinned, map[2].description, map[2].pinned),
              std::make_tuple("FT232R USB UART", false, "16550A", true));

    const ComPortMap windows = SystemComPorts({{"COM3", "USB Serial Port"}});
    EXPECT_EQ(std::tie(windows[0].device, windows[2].device, windows[2].description, windows[8].device),
              std::make_tuple("COM1", "COM3", "USB Serial Port", "COM9"));
}

}  // namespace
}  // namespace velnar::link
