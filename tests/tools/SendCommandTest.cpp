#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "SendCommand.h"
#include "link/PortDirectory.h"
#include "tests/support/ScriptedLine.h"
#include "tests/support/VirtualSignLine.h"

namespace velnar::tools {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(SendArgumentsTest, AcceptsActionsInTheirOrder)
{
    const ParsedArguments parsed =
        ParseSendArguments({"--port", "/dev/pts/3", "--slot", "3", "--page", "2", "--all", "--slot", "16",
                            "--dry-run", "shop.VELNAR MESSAGES"});
    ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
    const SendOptions& options = *parsed.options;
    EXPECT_EQ(std::tie(options.ports, options.dryRun, options.file),
              std::make_tuple(std::vector<std::string>{"/dev/pts/3"}, true, "shop.VELNAR MESSAGES"));
    std::vector<std::pair<SendAction::Kind, int>> actions;
    for (const SendAction& action : options.actions)
        actions.emplace_back(action.kind, action.number);
    using Kind = SendAction::Kind;
    EXPECT_EQ(actions,
              (std::vector<std::pair<Kind, int>>{{Kind::Slot, 3}, {Kind::Page, 2}, {Kind::All, 0}, {Kind::Slot, 16}}));
    EXPECT_EQ(ParseSendArguments({"--slot", "1", "f"}).options->ports, std::vector<std::string>{"COM1"});
    for (const auto& [name, index] : std::vector<std::pair<std::string, std::optional<int>>>{
             {"COM1", 0}, {"com9", 8}, {"COM0", std::nullopt}, {"COM10", std::nullopt}, {"/dev/ttyUSB0", std::nullopt}})
        EXPECT_EQ(ComPortIndex(name), index) << name;
}

TEST(SendArgumentsTest, RefusesWhatItCannotDo)
{
    const std::vector<std::vector<std::string>> refused = {
        {},       {"file"},       {"--slot", "1"},         {"--slot", "0", "file"}, {"--slot", "17", "file"},
        {"--slot"}, {"--port"}, {"--slot", "x", "file"}, {"--page", "3", "file"},  {"--verbose", "--all", "file"},
        {"--all", "one", "two"},
        {"--port", "tcp://", "--all", "f"}, {"--port", "tcp://sign", "--all", "f"},
        {"--port", "rfc2217://sign:65536", "--all", "f"}, {"--net-margin", "-1", "--all", "f"},
        {"--port", "COM2", "--port", "com2", "--all", "f"},
        {"--port", "tcp://Sign:4001", "--port", "tcp://sign:4001/", "--all", "f"},
    };
    for (const auto& arguments : refused) {
        const ParsedArguments parsed = ParseSendArguments(arguments);
        EXPECT_FALSE(parsed.options.has_value()) << arguments.size();
        EXPECT_FALSE(parsed.error.empty());
    }
}

// An adapter and the board's port, as the system lists them: the adapter is
// COM1, and each port says whether it opens.
TEST(ListPortsTest, AdapterFirstWithWhatKeepsAPortShut)
{
    link::VirtualClock clock;
    testing::ScriptedLine line(clock);
    line.problems[2] = "/dev/ttyS0: Permission denied";
    const link::PortDirectory ports(
        [] { return std::vector<link::SystemPort>{{"/dev/ttyS0", ""}, {"/dev/ttyUSB0", "FT232R USB UART"}}; }, {},
        link::PortDirectory::Naming::Mapped);
    std::ostringstream out;
    ListPorts(ports, line, out);
    const auto lines = Lines(out.str());
    ASSERT_GE(lines.size(), 9u);
    EXPECT_EQ(lines[0], "COM1: /dev/ttyUSB0, FT232R USB UART (automatic) - can be opened");
    EXPECT_EQ(lines[1], "COM2: /dev/ttyS0 (automatic) - cannot be opened: Permission denied");
    EXPECT_EQ(lines[2], "COM3: no port (automatic)");
#ifdef __linux__
    ASSERT_EQ(lines.size(), 10u);
    EXPECT_NE(lines[9].find("group dialout"), std::string::npos);
#endif
    EXPECT_EQ(line.Calls(), (std::vector<std::string>{"OpenPort(1)", "ClosePort(1)", "OpenPort(2)", "ClosePort(2)"}));
}

// The command's run against a virtual sign, instantly.
class SendRunTest : public ::testing::Test, protected testing::VirtualSignLine {
protected:
    std::ostringstream out;

    void SetUp() override { localTime.now = {2007, 1, 3, 14, 5, 9, 4}; }

    int Run(std::vector<std::string> arguments, const RunHooks& hooks = {})
    {
        arguments.push_back("file");
        const ParsedArguments parsed = ParseSendArguments(arguments);
        EXPECT_TRUE(parsed.options.has_value()) << parsed.error;
        return RunSendActions(*parsed.options, table, link, localTime, out, hooks);
    }
};

TEST_F(SendRunTest, WorkedExampleLineByLineAndDryRun)
{
    const int row = model::RowNumber(3, 1);
    table.rowText[static_cast<std::size_t>(row)] = u"MERHABA";
    table.rowAnimation[static_cast<std::size_t>(row)] = 1;
    table.rowBrightness[static_cast<std::size_t>(row)] = 8;
    table.rowSpeed[static_cast<std::size_t>(row)] = 4;
    table.slotTwoRows[2] = 1;
    table.slotSelected[2] = 1;

    EXPECT_EQ(Run({"--slot", "3"}), 0);
    EXPECT_EQ(Lines(out.str()),
              (std::vector<std::string>{
                  "TEXT 01 01 00 02 00 01 71 2D 25 32 28 21 22 21 00 00 00 00 00 86 accepted",
                  "SETTINGS 05 08 04 02 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 14 accepted",
                  "CLOCK 07 07 01 03 03 14 05 09 02 00 00 00 00 00 00 00 00 00 00 39 accepted",
                  "BLANK 00 01 00 02 00 02 01 00 00 00 00 00 00 00 00 00 00 00 00 06 accepted",
                  "Send Complete!",
              }));

    // Without a sign a dry run tells in words what each frame carries,
    // instead of the verdict.
    out.str("");
    table.rowText[0] = u"TEST\r\n";
    table.rowAnimation[0] = 4;
    table.rowBrightness[0] = 8;
    RunHooks timed;
    timed.now = [this] { return pacer.Now(); };
    EXPECT_EQ(Run({"--dry-run", "--slot", "1"}, timed), 0);
    EXPECT_EQ(Lines(out.str()),
              (std::vector<std::string>{
                  "TEXT 04 01 00 00 01 01 60 34 25 33 34 00 00 00 00 00 00 00 00 27  TEXT slot 1 row 1 block 1/1 "
                  "\"TEST  \" animation 4",
                  "SETTINGS 05 08 00 00 01 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0E  SETTINGS slot 1 row 1 "
                  "brightness 8 speed 0",
                  "dry run: nothing was sent; a real send takes about 0:04"}));
}

TEST_F(SendRunTest, SendAllReportsOnceAtTheEnd)
{
    for (int slot = 1; slot <= 16; ++slot)
        table.rowText[static_cast<std::size_t>(model::RowNumber(slot, 1))] = u"A";
    EXPECT_EQ(Run({"--all"}), 0);
    const auto lines = Lines(out.str());
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "Send Complete!"), 1);
    EXPECT_EQ(lines.back(), "Send Complete!");
    EXPECT_EQ(lines.size(), 16u * 2 + 1);
}

TEST_F(SendRunTest, SkippedRowsAndRefusedFramesFail)
{
    table.rowText[0] = std::u16string(210, u'x');
    EXPECT_EQ(Run({"--slot", "1"}), 1);
    EXPECT_EQ(out.str(), "Slot 1, row 1 was not sent: 210 characters, at most 209 fit in one-row mode.\n");

    out.str("");
    sign = sign::VirtualSign({true, 0, 0, 0});
    table.rowText[0] = u"A";
    EXPECT_EQ(Run({"--slot", "1"}), 1);
    const auto lines = Lines(out.str());
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].substr(lines[0].size() - 10), " no answer");
    EXPECT_EQ(lines[1].substr(0, 9) + lines[1].substr(lines[1].size() - 10), "SETTINGS  no answer");
    EXPECT_EQ(lines[2], "Equipment Error!");
    EXPECT_EQ(lines[3], "The sign did not answer TEXT row 1, SETTINGS row 1.");

    out.str("");
    sign = sign::VirtualSign({false, 1, 0, 0});
    EXPECT_EQ(Run({"--slot", "1"}), 0);
    EXPECT_EQ(Lines(out.str())[0].substr(Lines(out.str())[0].size() - 26), " accepted after 2 sendings");
}

// Ctrl+C ends the run after the frame on the line: the rest of the page is
// not sent, later actions neither, and the report says so.
TEST_F(SendRunTest, AnInterruptedRunEndsAfterTheFrameOnTheLine)
{
    for (int slot = 1; slot <= 8; ++slot)
        table.rowText[static_cast<std::size_t>(model::RowNumber(slot, 1))] = u"A";
    RunHooks hooks;
    // Ctrl+C once slot 1's text and settings frames and its pause are over.
    hooks.interrupted = [this] { return pacer.Now() >= 3401; };
    EXPECT_EQ(Run({"--page", "1", "--slot", "8"}, hooks), 1);
    const auto lines = Lines(out.str());
    // Slot 1's two frames, and its pause, before the Ctrl+C.
    ASSERT_EQ(lines.size(), 2u + 3) << out.str();
    EXPECT_EQ(lines[2], "Not everything reached the sign.");
    EXPECT_EQ(lines[3], "Slot 2: stopped before its end.");
    EXPECT_EQ(lines[4], "Slots 3 to 8 were not sent: stopped.");
}

}  // namespace
}  // namespace velnar::tools
