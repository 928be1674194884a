#include <gtest/gtest.h>

#include "link/Frame.h"
#include "sign/SignReport.h"
#include "tests/support/RowHeader.h"

namespace velnar::sign {
namespace {

using namespace link;

TEST(SignReportTest, OneLinePerFrameKindAndPerSlot)
{
    TextBlock block = testing::RowHeader(0, 2, 1, 1, 0);
    block.blockCount = 2;
    block.blockNumber = 1;
    block.characterCount = 2;
    block.codes = {108, 119};  // ü Ş
    using Verdict = VirtualSign::Verdict;
    const struct { Frame frame; Verdict verdict; std::string line; } cases[] = {
        {BuildTextFrame(block), Verdict::Accepted, "TEXT slot 3 row 1 block 2/2 \"üŞ\" animation 0 accepted"},
        {BuildBlankFrame(testing::RowHeader(4, 15, 2, 1, 0)), Verdict::Refused,
         "BLANK slot 16 row 2 animation 4 refused"},
        {BuildSettingsFrame({8, 4, 0, 1}), Verdict::BadChecksum,
         "SETTINGS slot 1 row 1 brightness 8 speed 4 bad checksum"},
        {BuildClockFrame({2009, 12, 31, 23, 59, 5, 5}, 1, 9), Verdict::Accepted,
         "CLOCK 2009-12-31 23:59:05 weekday 4 slot 10 clock row on accepted"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DescribeFrame({c.frame, c.verdict, -1}), c.line);

    SignSlot slot;
    slot.twoRows = false;
    slot.selected = true;
    slot.rows[0] = {u"ÇAY 5 TL", 1, 8, 4};
    EXPECT_EQ(DescribeSlot(slot, 0), "slot 1: one row, selected, clock row off | row 1 \"ÇAY 5 TL\" animation 1 "
                                     "brightness 8 speed 4 | row 2 \"\" animation 0 brightness 0 speed 0");
}

}  // namespace
}  // namespace velnar::sign
