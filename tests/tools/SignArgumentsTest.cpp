#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SignArguments.h"

namespace velnar::tools {
namespace {

using Action = ParsedSignArguments::Action;

TEST(SignArgumentsTest, EachOption)
{
    const SignOptions plain = ParseSignArguments({}).options;
    EXPECT_TRUE(plain.port.empty() && !plain.window && plain.snapshot.empty());
    EXPECT_EQ(plain.columns, 128);

    const ParsedSignArguments all =
        ParseSignArguments({"--port", "/dev/ttyUSB0", "--silent", "--refuse", "2", "--late", "80", "--ignore-sync",
                            "3", "--window", "--columns", "512", "--snapshot", "board.png"});
    ASSERT_EQ(all.action, Action::Run) << all.error;
    const SignOptions& o = all.options;
    EXPECT_EQ(o.port, "/dev/ttyUSB0");
    EXPECT_TRUE(o.faults.silent);
    EXPECT_EQ(o.faults.refuseFrames, 2);
    EXPECT_EQ(o.faults.lateMs, 80);
    EXPECT_EQ(o.faults.ignoreSyncBytes, 3);
    EXPECT_TRUE(o.window);
    EXPECT_EQ(o.columns, 512);
    EXPECT_EQ(o.snapshot, "board.png");
    EXPECT_EQ(ParseSignArguments({"--columns", "64"}).options.columns, 64);

    const struct {
        std::vector<std::string> arguments;
        Action action;
    } cases[] = {
        {{"--help"}, Action::Help},
        {{"--window", "--version", "--bogus"}, Action::Version},
        {{"--bogus"}, Action::BadUsage},
        {{"file"}, Action::BadUsage},
        {{"--port"}, Action::BadUsage},
        {{"--snapshot"}, Action::BadUsage},
        {{"--refuse"}, Action::BadUsage},
        {{"--late", "-1"}, Action::BadUsage},
        {{"--ignore-sync", "x"}, Action::BadUsage},
        {{"--columns", "63"}, Action::BadUsage},
        {{"--columns", "513"}, Action::BadUsage},
        {{"--columns", "--window"}, Action::BadUsage},
    };
    for (const auto& c : cases) {
        const ParsedSignArguments parsed = ParseSignArguments(c.arguments);
        EXPECT_EQ(parsed.action, c.action) << c.arguments[0];
        EXPECT_EQ(parsed.error.empty(), c.action != Action::BadUsage) << c.arguments[0];
    }
}

}  // namespace
}  // namespace velnar::tools
