#include <gtest/gtest.h>

#include "link/PortDirectory.h"
#include "serial/PseudoTerminal.h"
#include "serial/QtSerialLibrary.h"

namespace velnar {
namespace {

using link::SerialLibrary;

// COM1 opens the device the directory names, at the sign's line coding; COM2,
// which names none, is told and harmless.
TEST(SerialLineTest, ComPortsOpenTheDevicesTheDirectoryNames)
{
    serial::PseudoTerminal line;
    const link::PortDirectory ports([&] { return std::vector<link::SystemPort>{{line.DevicePath(), "pty"}}; }, {},
                                    link::PortDirectory::Naming::Mapped);
    serial::QtSerialLibrary library(ports);

    EXPECT_EQ(library.OpenPort(1), SerialLibrary::kOk);
    EXPECT_EQ(library.PortProblem(1), "");
    EXPECT_EQ(library.ConfigurePort(1, 12, 3), SerialLibrary::kOk);
    EXPECT_EQ(library.SetLineControlB(1, 0), SerialLibrary::kOk);

    EXPECT_EQ(library.OpenPort(2), SerialLibrary::kErrorOpenFailed);
    EXPECT_EQ(library.PortProblem(2), "COM2: no such port");
    EXPECT_EQ(library.ConfigurePort(2, 12, 3), SerialLibrary::kErrorNotOpen);
    EXPECT_EQ(library.WriteByte(2, 0xAA), SerialLibrary::kErrorNotOpen);
    EXPECT_EQ(library.ReadByte(2), SerialLibrary::kNoByte);
    EXPECT_EQ(library.ClosePort(2), SerialLibrary::kOk);
}

}  // namespace
}  // namespace velnar
