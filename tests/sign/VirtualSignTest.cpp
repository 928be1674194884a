#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "link/Frame.h"
#include "sign/VirtualSign.h"

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

}  // namespace
}  // namespace velnar::sign
