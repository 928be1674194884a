#include <gtest/gtest.h>

#include "link/FrameSender.h"
#include "tests/support/RowHeader.h"
#include "link/Pacer.h"
#include "link/SignLink.h"
#include "sign/VirtualLine.h"
#include "sign/VirtualSign.h"
#include "model/MessageTable.h"
#include "tests/support/VirtualSignLine.h"

namespace velnar::sign {
namespace {

using namespace link;

using Verdict = VirtualSign::Verdict;

// Feeds a sync byte and a frame; returns the replies in order.
std::vector<int> Deliver(VirtualSign& sign, const Frame& frame, std::int64_t& now)
{
    std::vector<int> replies;
    if (auto r = sign.OnByte(kSyncByte, now))
        replies.push_back(r->byte);
    for (std::uint8_t byte : frame) {
        now += 50;
        if (auto r = sign.OnByte(byte, now))
            replies.push_back(r->byte);
    }
    now += 200;
    return replies;
}

TEST(VirtualSignTest, HandshakeChecksumAndFaults)
{
    const Frame good = BuildSettingsFrame({4, 8, 0, 1});
    Frame bad = good;
    bad[19] ^= 0x01;
    std::int64_t now = 0;

    VirtualSign plain;
    EXPECT_EQ(Deliver(plain, good, now), (std::vector<int>{kReadyByte, kAcceptByte}));
    EXPECT_EQ(Deliver(plain, bad, now), (std::vector<int>{kReadyByte, kResendByte}));
    EXPECT_EQ(plain.TakeFrame()->verdict, Verdict::BadChecksum);
    EXPECT_FALSE(plain.TakeFrame().has_value());

    VirtualSign refusing({false, 1, 0, 0});
    EXPECT_EQ(Deliver(refusing, good, now), (std::vector<int>{kReadyByte, kResendByte}));
    EXPECT_EQ(refusing.TakeFrame()->verdict, Verdict::Refused);
    EXPECT_EQ(Deliver(refusing, good, now), (std::vector<int>{kReadyByte, kAcceptByte}));

    VirtualSign silent({true, 0, 0, 0});
    EXPECT_TRUE(Deliver(silent, good, now).empty());

    VirtualSign late({false, 0, 80, 0});
    late.OnByte(kSyncByte, now);
    std::optional<VirtualSign::Reply> last;
    for (std::uint8_t byte : good)
        last = late.OnByte(byte, ++now);
    ASSERT_TRUE(last.has_value());
    EXPECT_EQ(last->byte, kAcceptByte);
    EXPECT_EQ(last->delayMs, 80);

    VirtualSign deaf({false, 0, 0, 2});
    EXPECT_FALSE(deaf.OnByte(kSyncByte, 0).has_value());
    EXPECT_FALSE(deaf.OnByte(kSyncByte, 50).has_value());
    EXPECT_EQ(deaf.OnByte(kSyncByte, 100)->byte, kReadyByte);

    // Quiet for longer than any byte wait after five bytes: the next sync
    // byte starts afresh.
    plain.OnByte(kSyncByte, now);
    for (int i = 1; i <= 5; ++i)
        plain.OnByte(0x01, now + 50 * i);
    const auto afresh = plain.OnByte(kSyncByte, now + 250 + VirtualSign::kFrameTimeoutMs + 1);
    ASSERT_TRUE(afresh.has_value());
    EXPECT_EQ(afresh->byte, kReadyByte);
}

// The frames the program sends, decoded back by the sign.
class SignDecodingTest : public ::testing::Test, protected testing::VirtualSignLine {
protected:
    FrameSender sender{link, localTime, table};
};

TEST_F(SignDecodingTest, RowsSettingsAndClockArriveAsSent)
{
    const std::u16string longText = u"Hoş geldiniz! Bugün açığız, 09:00-18:00 arası.";
    sender.SendRowText(longText, testing::RowHeader(3, 12, 1, 1, 0));
    sender.SendBlankRow(testing::RowHeader(2, 12, 2, 1, 0));
    sender.SendRowSettings({8, 4, 12, 1});
    localTime.now = {2026, 12, 6, 19, 5, 9, 1};
    sender.SendClock(1, 12);

    const SignSlot& slot = sign.Slot(12);
    EXPECT_EQ(slot.rows[0].text, longText);
    EXPECT_EQ(slot.rows[1].text, u"");
    EXPECT_EQ((std::vector<int>{slot.rows[0].animation, slot.rows[0].brightness, slot.rows[0].speed,
                                slot.rows[1].animation, slot.selected, slot.twoRows, slot.clockRow}),
              (std::vector<int>{3, 8, 4, 2, true, true, true}));
    ASSERT_TRUE(sign.Clock().has_value());
    const SignClock& clock = *sign.Clock();
    EXPECT_EQ((std::vector<int>{clock.year, clock.month, clock.day, clock.weekday, clock.hour, clock.minute,
                                clock.second}),
              (std::vector<int>{2026, 12, 6, 7, 19, 5, 9}));  // a Sunday, the sign's day 7
}

TEST_F(SignDecodingTest, OneRowSlotAndCharactersTheSignLacks)
{
    sender.SendRowText(u"a\tb", testing::RowHeader(0, 0, 1, 0, 1));
    const SignSlot& slot = sign.Slot(0);
    EXPECT_EQ(slot.rows[0].text, u"a b");
    EXPECT_FALSE(slot.twoRows);
    EXPECT_FALSE(slot.selected);
}

}  // namespace
}  // namespace velnar::sign
