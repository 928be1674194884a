#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/FrameSender.h"
#include "tests/support/RowHeader.h"
#include "link/SignCharCode.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedLine.h"

namespace velnar::link {
namespace {

using testing::HandshakingSign;

class FrameSenderTest : public ::testing::Test, protected testing::ScriptedLink {
protected:
    HandshakingSign sign{line};
    testing::FixedClock localTime;
    FrameSender sender{link, localTime, table};
    int accepted = 0;
};

// Block count, number and layout byte of every block; an empty row sends nothing.
TEST_F(FrameSenderTest, BlockCountsAndLayoutBytes)
{
    const struct {
        int length;
        int twoRowFlag;
        std::vector<int> layouts;
    } cases[] = {
        {0, 1, {}},
        {3, 1, {0x31}},
        {12, 1, {0xC1}},
        {13, 0, {0xC0, 0x10}},
        {30, 1, {0xC1, 0xC1, 0x61}},
        {106, 1, {0xC1, 0xC1, 0xC1, 0xC1, 0xC1, 0xC1, 0xC1, 0xC1, 0xA1}},
        {209, 0, {0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0, 0xC0,
                  0xC0, 0x50}},
    };
    for (const auto& c : cases) {
        const std::size_t first = sign.Frames().size();
        sender.SendRowText(std::u16string(static_cast<std::size_t>(c.length), u'x'),
                           testing::RowHeader(0, 0, 1, c.twoRowFlag, 0));
        const auto blockCount = static_cast<int>(c.layouts.size());
        ASSERT_EQ(sign.Frames().size() - first, c.layouts.size()) << c.length;
        for (int i = 0; i < blockCount; ++i) {
            const Frame& f = sign.Frames()[first + static_cast<std::size_t>(i)];
            EXPECT_EQ(std::vector<int>({f[1], f[2], f[6]}),
                      std::vector<int>({blockCount, i, c.layouts[static_cast<std::size_t>(i)]}))
                << c.length << " block " << i;
            const int characters = f[6] >> 4;
            for (int k = 7 + characters; k < kFrameSize - 1; ++k)
                EXPECT_EQ(f[static_cast<std::size_t>(k)], 0) << c.length << " block " << i << " byte " << k;
        }
        EXPECT_EQ(sender.blockCounter, blockCount);
    }
}

TEST_F(FrameSenderTest, LostBlockLowersTheNumbersOfLaterBlocks)
{
    const int codeOfB = SignCharCode(u'B');
    sign.judge = [codeOfB](const Frame& f) {
        return f[7] == codeOfB ? HandshakingSign::Verdict{HandshakingSign::kSilent, 0} : HandshakingSign::Verdict{};
    };
    sender.SendRowText(u"AAAAAAAAAAAABBBBBBBBBBBBCCCCCC", testing::RowHeader(0, 0, 1, 1, 0), [this] { ++accepted; });

    // Block 1 accepted, block 2 never, block 3 goes out as number 1, a full block.
    const auto& frames = sign.Frames();
    ASSERT_GE(frames.size(), 3u);
    EXPECT_EQ(frames.front()[2], 0);
    EXPECT_EQ(frames.front()[6], 0xC1);
    EXPECT_EQ(frames.back()[7], SignCharCode(u'C'));
    EXPECT_EQ(frames.back()[2], 1);
    EXPECT_EQ(frames.back()[6], 0xC1);
    EXPECT_EQ(sender.blockCounter, 2);
    EXPECT_EQ(accepted, 2);
    EXPECT_EQ(table.equipmentError, 1);
}

}  // namespace
}  // namespace velnar::link
