#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SignArguments.h"

namespace velnar::tools {
namespace {

using Action = ParsedSignArguments::Action;

// Help and version win; an option the virtual sign cannot play is bad usage.
TEST(SignArgumentsTest, HelpVersionAndBadUsage)
{
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
