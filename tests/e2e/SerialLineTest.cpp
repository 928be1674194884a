#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "link/Frame.h"
#include "link/Pacer.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "link/PortDirectory.h"
#include "serial/PseudoTerminal.h"
#include "serial/QtSerialLibrary.h"
#include "tests/support/SignOnLine.h"

namespace velnar {
namespace {

using testing::SignOnLine;

const link::PortDirectory kNoPorts({}, {}, link::PortDirectory::Naming::Mapped);

TEST(SerialLineTest, TextFrameReachesTheSignAndItsAcceptComesBackWithoutAnEventLoop)
{
    SignOnLine sign;
    serial::QtSerialLibrary library(kNoPorts);
    library.SetDeviceName(1, QString::fromStdString(sign.DevicePath()));
    link::SteadyClockPacer pacer;
    model::MessageTable table;
    link::SignLink signLink(library, pacer, table);
    signLink.OpenLink(0);
    ASSERT_EQ(library.PortProblem(1), "");

    link::TextBlock block;
    block.characterCount = 3;
    block.codes = {65, 66, 67};
    const link::Frame frame = link::BuildTextFrame(block);

    const auto start = std::chrono::steady_clock::now();
    const link::ExchangeResult result = signLink.ExchangeFrame(frame, link::ExchangeKind::TextFrame);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    sign.Stop();

    EXPECT_EQ(result, link::ExchangeResult::Accepted);
    EXPECT_EQ(table.equipmentError, 0);
    EXPECT_GE(elapsed, std::chrono::milliseconds(link::NominalDurationMs(link::ExchangeKind::TextFrame)));
    ASSERT_EQ(sign.Frames().size(), 1u);
    EXPECT_EQ(sign.Frames()[0].frame, frame);
    EXPECT_EQ(sign.Frames()[0].verdict, sign::VirtualSign::Verdict::Accepted);
    EXPECT_EQ(sign.Sign().Slot(0).rows[0].text, u"abc");
}

TEST(SerialLineTest, CodesOutsideTheCodingAreRefusedNotGuessed)
{
    serial::PseudoTerminal line;
    serial::QtSerialLibrary library(kNoPorts);
    library.SetDeviceName(1, QString::fromStdString(line.DevicePath()));
    ASSERT_EQ(library.OpenPort(1), link::SerialLibrary::kOk);

    EXPECT_EQ(library.ConfigurePort(1, 12, 3), link::SerialLibrary::kOk);
    EXPECT_EQ(library.ConfigurePort(1, 99, 3), link::SerialLibrary::kErrorUnsupported);
    EXPECT_NE(library.PortProblem(1), "");
    EXPECT_EQ(library.SetLineControlB(1, 7), link::SerialLibrary::kErrorUnsupported);
}

TEST(SerialLineTest, ComPortsOpenTheDevicesTheDirectoryNames)
{
    serial::PseudoTerminal line;
    const link::PortDirectory ports([&] { return std::vector<link::SystemPort>{{line.DevicePath(), "pty"}}; }, {},
                                    link::PortDirectory::Naming::Mapped);
    serial::QtSerialLibrary library(ports);

    EXPECT_EQ(library.OpenPort(1), link::SerialLibrary::kOk);
    EXPECT_EQ(library.PortProblem(1), "");
    // A port that did not open is told and harmless.
    EXPECT_EQ(library.OpenPort(2), link::SerialLibrary::kErrorOpenFailed);
    EXPECT_EQ(library.PortProblem(2), "COM2: no such port");
    EXPECT_EQ(library.ConfigurePort(2, 12, 3), link::SerialLibrary::kErrorNotOpen);
    EXPECT_EQ(library.WriteByte(2, 0xAA), link::SerialLibrary::kErrorNotOpen);
    EXPECT_EQ(library.ReadByte(2), link::SerialLibrary::kNoByte);
    EXPECT_EQ(library.ClosePort(2), link::SerialLibrary::kOk);
}

}  // namespace
}  // namespace velnar
