#include <gtest/gtest.h>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "link/Pacer.h"
#include "link/PortDirectory.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "serial/PseudoTerminal.h"
#include "serial/QtSerialLibrary.h"

namespace velnar {
namespace {

using link::SerialLibrary;

// COM1 opens the named device at the sign's coding; COM2, naming none, is told.
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

// The sign wants 9600 8N1 without flow control, whatever the device was left at.
TEST(SerialLineTest, OpeningTheLinkSetsTheSignsLineSettings)
{
    serial::PseudoTerminal line;
    const int device = open(line.DevicePath().c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(device, 0);
    termios settings{};
    ASSERT_EQ(tcgetattr(device, &settings), 0);
    cfsetispeed(&settings, B1200);
    cfsetospeed(&settings, B1200);
    settings.c_cflag = (settings.c_cflag & ~CSIZE) | CS7 | CSTOPB | PARENB | CRTSCTS;
    settings.c_iflag |= IXON | IXOFF;
    ASSERT_EQ(tcsetattr(device, TCSANOW, &settings), 0);

    const link::PortDirectory ports([&] { return std::vector<link::SystemPort>{{line.DevicePath(), "pty"}}; }, {},
                                    link::PortDirectory::Naming::Mapped);
    serial::QtSerialLibrary library(ports);
    link::VirtualClock pacer;
    model::MessageTable table;
    link::SignLink link(library, pacer, table);
    link.OpenLink(0);
    ASSERT_EQ(link.PortProblem(), "");

    ASSERT_EQ(tcgetattr(device, &settings), 0);
    close(device);
    EXPECT_EQ(cfgetispeed(&settings), speed_t{B9600});
    EXPECT_EQ(cfgetospeed(&settings), speed_t{B9600});
    EXPECT_EQ(settings.c_cflag & CSIZE, tcflag_t{CS8});
    EXPECT_EQ(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS), tcflag_t{0});
    EXPECT_EQ(settings.c_iflag & (IXON | IXOFF), tcflag_t{0});
}

}  // namespace
}  // namespace velnar
