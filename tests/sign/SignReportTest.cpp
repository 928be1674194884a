#include <gtest/gtest.h>

#include "link/Frame.h"
#include "sign/SignReport.h"
#include "tests/support/RowHeader.h"

namespace velnar::sign {
namespace {

using namespace link;

TEST(SignReportTest, OneLinePerFrameKind)
{
    // TEXT and SETTINGS lines and the slot line are the tools' end-to-end tests'.
    using Verdict = VirtualSign::Verdict;
    const struct { Frame frame; Verdict verdict; std::string line; } cases[] = {
        {BuildBlankFrame(testing::RowHeader(4, 15, 2, 1, 0)), Verdict::Refused,
         "BLANK slot 16 row 2 animation 4 refused"},
        {BuildSettingsFrame({8, 4, 0, 1}), Verdict::BadChecksum,
         "SETTINGS slot 1 row 1 brightness 8 speed 4 bad checksum"},
        {BuildClockFrame({2009, 12, 31, 23, 59, 5, 5}, 1, 9), Verdict::Accepted,
         "CLOCK 2009-12-31 23:59:05 weekday 4 slot 10 clock row on accepted"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DescribeFrame({c.frame, c.verdict, -1}), c.line);
}

}  // namespace
}  // namespace velnar::sign
