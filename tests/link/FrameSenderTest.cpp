#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/FrameSender.h"
#include "link/SignCharCode.h"
#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "tests/support/FixedClock.h"
#include "tests/support/ScriptedLine.h"

namespace velnar::link {
namespace {

using testing::HandshakingSign;

class FrameSenderTest : public ::testing::Test {
protected:
    testing::VirtualClock pacer;
    testing::ScriptedLine line{pacer};
    HandshakingSign sign{line};
    testing::FixedClock localTime;
    model::MessageTable table;
    SignLink link{line, pacer, table};
    FrameSender sender{link, localTime, table};
    int accepted = 0;

    void SendRow(const std::u16string& text, int twoRowFlag = 1)
    {
        sender.SendRowText(text, 0, twoRowFlag, 0, 0, 1, [this] { ++accepted; });
    }

    // Block number (byte 3) and layout byte (byte 7) of every frame the sign took.
    std::vector<std::pair<int, int>> NumbersAndLayouts() const
    {
        std::vector<std::pair<int, int>> result;
        for (const Frame& f : sign.Frames())
            result.emplace_back(f[2], f[6]);
        return result;
    }
};

TEST_F(FrameSenderTest, BlockCountsAndLayoutBytes)
{
    const struct {
        int length;
        int twoRowFlag;
        std::vector<int> layouts;
    } cases[] = {
        {3, 1, {0x31}},
        {12, 1, {0xC1}},
        {13, 0, {0xC0, 0x10}},
        {30, 1, {0xC1, 0xC1, 0x61}},
        {106, 1, std::vector<int>(8, 0xC1)},
        {209, 0, std::vector<int>(17, 0xC0)},
    };
    for (const auto& c : cases) {
        testing::VirtualClock localPacer;
        testing::ScriptedLine localLine(localPacer);
        HandshakingSign localSign(localLine);
        SignLink localLink(localLine, localPacer, table);
        FrameSender localSender(localLink, localTime, table);

        localSender.SendRowText(std::u16string(static_cast<std::size_t>(c.length), u'x'), 0, c.twoRowFlag, 0,
                                0, 1);

        std::vector<int> expectedLayouts = c.layouts;
        if (c.length == 106)
            expectedLayouts.push_back(0xA1);  // 106 = 8 x 12 + 10
        if (c.length == 209)
            expectedLayouts.push_back(0x50);  // 209 = 17 x 12 + 5
        const int blockCount = static_cast<int>(expectedLayouts.size());
        ASSERT_EQ(static_cast<int>(localSign.Frames().size()), blockCount) << c.length;
        for (int i = 0; i < blockCount; ++i) {
            const Frame& f = localSign.Frames()[static_cast<std::size_t>(i)];
            EXPECT_EQ(f[1], blockCount) << c.length;
            EXPECT_EQ(f[2], i) << c.length;
            EXPECT_EQ(f[6], expectedLayouts[static_cast<std::size_t>(i)]) << c.length << " block " << i;
        }
        EXPECT_EQ(localSender.blockCounter, blockCount);
    }
}

TEST_F(FrameSenderTest, ThirteenCharactersLeaveOneCodeAndElevenZeros)
{
    SendRow(u"ABCDEFGHIJKLM");
    ASSERT_EQ(sign.Frames().size(), 2u);
    const Frame& second = sign.Frames()[1];
    EXPECT_EQ(second[7], SignCharCode(u'M'));
    for (int i = 8; i < 19; ++i)
        EXPECT_EQ(second[static_cast<std::size_t>(i)], 0) << i;
    EXPECT_EQ(accepted, 2);
}

TEST_F(FrameSenderTest, LostBlockLowersTheNumbersOfLaterBlocks)
{
    const std::u16string text = u"AAAAAAAAAAAABBBBBBBBBBBBCCCCCC";
    const int codeOfB = SignCharCode(u'B');
    sign.judge = [codeOfB](const Frame& f) {
        return f[7] == codeOfB ? HandshakingSign::Verdict{HandshakingSign::kSilent, 0}
                               : HandshakingSign::Verdict{};
    };

    SendRow(text);

    // The first block is accepted, the second never, the third goes out with
    // block number 1 and is announced as a full block.
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

TEST_F(FrameSenderTest, EmptyTextSendsNothing)
{
    SendRow(u"");
    EXPECT_TRUE(line.Writes().empty());
}

TEST_F(FrameSenderTest, BlankRowNotifiesOnlyWhenAccepted)
{
    sender.SendBlankRow(2, 3, 2, 1, 1, [this] { ++accepted; });
    EXPECT_EQ(accepted, 1);
    ASSERT_EQ(sign.Frames().size(), 1u);
    EXPECT_EQ(sign.Frames()[0], BuildBlankFrame(2, 3, 2, 1, 1));

    testing::VirtualClock silentPacer;
    testing::ScriptedLine silentLine(silentPacer);
    SignLink silentLink(silentLine, silentPacer, table);
    FrameSender silentSender(silentLink, localTime, table);
    silentSender.SendBlankRow(2, 3, 2, 1, 1, [this] { ++accepted; });
    EXPECT_EQ(accepted, 1);
}

TEST_F(FrameSenderTest, AcceptedSettingsCompleteTheSendAndUseThePacingOfTheirPage)
{
    sign.verdicts.push_back({kResendByte, 0});
    sender.SendRowSettings(4, 8, 0, 1);
    EXPECT_EQ(table.sendComplete, 1);
    EXPECT_EQ(sign.Frames().size(), 2u);
    const std::int64_t pageOneTime = pacer.Now();
    EXPECT_EQ(pageOneTime, 4200);

    table.sendComplete = 0;
    sender.SendRowSettings(0, 0, 15, 2);
    EXPECT_EQ(table.sendComplete, 1);
    EXPECT_EQ(pacer.Now() - pageOneTime, 1150);
}

TEST_F(FrameSenderTest, RefusedSettingsLeaveSendCompleteAlone)
{
    sign.judge = [](const Frame&) { return HandshakingSign::Verdict{HandshakingSign::kSilent, 0}; };
    sender.SendRowSettings(4, 8, 9, 1);
    EXPECT_EQ(table.sendComplete, 0);
}

TEST_F(FrameSenderTest, ClockFrameTakesTheLocalTimeAndLeavesSendCompleteAlone)
{
    localTime.now = {2007, 1, 3, 14, 5, 9, 4};
    sender.SendClock(1, 0);
    ASSERT_EQ(sign.Frames().size(), 1u);
    EXPECT_EQ(sign.Frames()[0], BuildClockFrame(localTime.now, 1, 0));
    EXPECT_EQ(sign.Frames()[0][19], 0x38);
    EXPECT_EQ(table.sendComplete, 0);
}

}  // namespace
}  // namespace velnar::link
