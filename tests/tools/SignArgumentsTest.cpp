#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
    EXPECT_EQ(std::tie(o.port, o.faults.silent, o.faults.refuseFrames, o.faults.lateMs, o.faults.ignoreSyncBytes,
                       o.window, o.columns, o.snapshot),
              std::make_tuple("/dev/ttyUSB0", true, 2, 80, 3, true, 512, "board.png"));
    EXPECT_EQ(ParseSignArguments({"--columns", "64"}).options.columns, 64);

    EXPECT_EQ(ParseSignArguments({"--help"}).action, Action::Help);
    EXPECT_EQ(ParseSignArguments({"--window", "--version", "--bogus"}).action, Action::Version);
    const std::vector<std::vector<std::string>> refused = {
        {"--bogus"},      {"file"},           {"--port"},          {"--snapshot"},       {"--refuse"},
        {"--late", "-1"}, {"--ignore-sync", "x"}, {"--columns", "63"}, {"--columns", "513"}, {"--columns", "--window"},
        {"--listen", "rfc2217://127.0.0.1:4001"}, {"--listen", "tcp://127.0.0.1"},
        {"--listen", "tcp://127.0.0.1:4001", "--port", "/dev/ttyS0"}};
    for (const auto& arguments : refused) {
        const ParsedSignArguments parsed = ParseSignArguments(arguments);
        EXPECT_TRUE(parsed.action == Action::BadUsage && !parsed.error.empty()) << arguments[0];
    }
}

}  // namespace
}  // namespace velnar::tools
