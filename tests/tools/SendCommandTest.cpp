#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "SendCommand.h"
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

// The actions run in the order given; without --port the sign is on COM1.
TEST(SendArgumentsTest, AcceptsActionsInTheirOrder)
{
    const ParsedArguments parsed =
        ParseSendArguments({"--port", "/dev/pts/3", "--slot", "3", "--page", "2", "--all", "--slot", "16",
                            "--dry-run", "shop.VELNAR MESSAGES"});
    ASSERT_TRUE(parsed.options.has_value()) << parsed.error;
    const SendOptions& options = *parsed.options;
    std::vector<std::pair<SendAction::Kind, int>> actions;
    for (const SendAction& action : options.actions)
        actions.emplace_back(action.kind, action.number);
    using Kind = SendAction::Kind;
    EXPECT_EQ(actions,
              (std::vector<std::pair<Kind, int>>{{Kind::Slot, 3}, {Kind::Page, 2}, {Kind::All, 0}, {Kind::Slot, 16}}));
    EXPECT_EQ(ParseSendArguments({"--slot", "1", "f"}).options->ports, std::vector<std::string>{"COM1"});
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

// A dry run tells what each frame carries instead of a verdict.
TEST_F(SendRunTest, DryRunTellsWhatEachFrameCarries)
{
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

// Exit 0 only when all was sent and accepted; Ctrl+C ends after the frame on the line.
TEST_F(SendRunTest, ExitStatusSaysWhetherEverythingArrived)
{
    const struct {
        const char* what;
        std::u16string row;
        sign::SignFaults faults;
        std::int64_t interruptAtMs;  // 0: never
        int status;
        std::string lastLine;
    } cases[] = {
        {"everything accepted", u"A", {}, 0, 0, "Send Complete!"},
        {"a frame refused once, then sent again", u"A", {false, 1, 0, 0}, 0, 0, "Send Complete!"},
        {"a row too long to send", std::u16string(210, u'x'), {}, 0, 1,
         "Slot 1, row 1 was not sent: 210 characters, at most 209 fit in one-row mode."},
        {"a silent sign", u"A", {true, 0, 0, 0}, 0, 1, "The sign did not answer TEXT row 1, SETTINGS row 1."},
        // Slot 1's text and settings frames and its pause take 3401 ms.
        {"Ctrl+C in slot 2", u"A", {}, 3401, 1, "Slots 3 to 8 were not sent: stopped."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        out.str("");
        sign = sign::VirtualSign(c.faults);
        for (int slot = 1; slot <= 8; ++slot)
            table.rowText[static_cast<std::size_t>(model::RowNumber(slot, 1))] = u"A";
        table.rowText[0] = c.row;
        RunHooks hooks;
        const std::int64_t startMs = pacer.Now();
        if (c.interruptAtMs)
            hooks.interrupted = [this, &c, startMs] { return pacer.Now() - startMs >= c.interruptAtMs; };
        const std::vector<std::string> arguments =
            c.interruptAtMs ? std::vector<std::string>{"--page", "1", "--slot", "8"}
                            : std::vector<std::string>{"--slot", "1"};
        EXPECT_EQ(Run(arguments, hooks), c.status);
        const std::vector<std::string> lines = Lines(out.str());
        EXPECT_EQ(lines.back(), c.lastLine);
        if (c.faults.refuseFrames) {
            EXPECT_EQ(lines.front().substr(lines.front().size() - 26), " accepted after 2 sendings");
        }
    }
}

}  // namespace
}  // namespace velnar::tools
