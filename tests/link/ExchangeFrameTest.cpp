#include <gtest/gtest.h>

#include <optional>

#include "tests/support/ScriptedLine.h"

namespace velnar::link {
namespace {

using testing::HandshakingSign;

const Frame kSample = BuildSettingsFrame({4, 8, 0, 1});

// The handshake bytes as the sign knows them, not the program's constants.
constexpr int kSync = 0xAA;
constexpr int kReady = 0xAB;
constexpr int kAccept = 0xFE;
constexpr int kResend = 0xFD;

// A sync byte and the sample frame, `times` over.
std::vector<int> SyncAndFrame(int times)
{
    std::vector<int> bytes;
    for (int i = 0; i < times; ++i) {
        bytes.push_back(kSync);
        bytes.insert(bytes.end(), kSample.begin(), kSample.end());
    }
    return bytes;
}

class ExchangeFrameTest : public ::testing::Test, protected testing::ScriptedLink {
protected:
    std::vector<std::int64_t> WriteTimes() const
    {
        std::vector<std::int64_t> times;
        for (const auto& w : line.Writes())
            times.push_back(w.atMs);
        return times;
    }
};

TEST_F(ExchangeFrameTest, AcceptedAtOnceWritesOneSyncAndTwentyBytesAndStopsReading)
{
    HandshakingSign sign(line);
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::TextFrame), ExchangeResult::Accepted);

    EXPECT_EQ(line.WrittenBytes(), SyncAndFrame(1));
    EXPECT_EQ(line.Reads(), 2);  // the ready byte, then the accept byte
    // 100 ms quiet, sync, then a byte every 50 ms; 1 ms to the first poll.
    std::vector<std::int64_t> times = {100};
    for (int i = 0; i < kFrameSize; ++i)
        times.push_back(150 + 50 * i);
    EXPECT_EQ(WriteTimes(), times);
    EXPECT_EQ(clock.Now(), 1151);
}

// On a network port every byte waits the margin on top of its pacing.
TEST_F(ExchangeFrameTest, NetworkMarginFollowsEveryByte)
{
    HandshakingSign sign(line);
    int frames = 0;
    sign.judge = [&frames](const Frame&) { return HandshakingSign::Verdict{++frames == 1 ? kResend : kAccept, 0}; };
    link.SetByteMargin(20);
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::BlankFrame), ExchangeResult::Accepted);
    const auto times = WriteTimes();
    ASSERT_EQ(times.size(), 2u * (1 + kFrameSize));
    for (std::size_t i = 1; i < times.size(); ++i)
        EXPECT_GE(times[i] - times[i - 1], 50 + 20) << i;
}

// Each kind's duration with an instant answer and with none, up to the equipment error.
TEST_F(ExchangeFrameTest, DurationsAndGiveUpTimesPerKind)
{
    const struct {
        ExchangeKind kind;
        int acceptedMs;
        int syncBytes;
        int givenUpMs;
        int readsUnanswered;  // ready once, then no reply to the frame: 1 + polls + 19 not-ready reads
    } cases[] = {
        {ExchangeKind::TextFrame, 1151, 21, 1150, 30},          {ExchangeKind::BlankFrame, 1150, 101, 5150, 300},
        {ExchangeKind::SettingsFramePage1, 2150, 21, 2200, 30}, {ExchangeKind::SettingsFramePage2, 1150, 21, 1150, 30},
        {ExchangeKind::ClockFrame, 1150, 21, 1150, 30},
    };
    for (const auto& c : cases) {
        const int kind = static_cast<int>(c.kind);
        for (const bool answering : {true, false}) {
            testing::ScriptedLink rig;
            std::optional<HandshakingSign> sign;
            if (answering)
                sign.emplace(rig.line);
            EXPECT_EQ(rig.link.ExchangeFrame(kSample, c.kind),
                      answering ? ExchangeResult::Accepted : ExchangeResult::NoAnswer)
                << kind;
            EXPECT_EQ(rig.clock.Now(), answering ? c.acceptedMs : c.givenUpMs) << kind;
            EXPECT_EQ(rig.table.equipmentError, answering ? 0 : 1) << kind;
            if (!answering) {
                EXPECT_EQ(rig.line.WrittenBytes(), std::vector<int>(c.syncBytes, kSync)) << kind;
            }
        }

        testing::ScriptedLink unanswered;
        unanswered.line.Deliver(kReady);
        unanswered.link.ExchangeFrame(kSample, c.kind);
        EXPECT_EQ(unanswered.line.Reads(), c.readsUnanswered) << kind;
    }
}

// The resend byte gets a sync byte and the frame again; other replies are no answer.
TEST_F(ExchangeFrameTest, TextFrameResendsOnTheResendByteOnly)
{
    for (int byte : {kReady, kResend, kReady, kAccept})
        line.Deliver(byte);
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::TextFrame), ExchangeResult::Accepted);
    EXPECT_EQ(line.WrittenBytes(), SyncAndFrame(2));

    line.Deliver(kReady);
    line.Deliver(0x00, clock.Now() + 1152);
    line.Deliver(kAccept, clock.Now() + 1154);
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::TextFrame), ExchangeResult::Accepted);
    EXPECT_EQ(line.WrittenBytes(), SyncAndFrame(3));
}

// A sign always asking to resend refused the frame; a halted link begins none.
TEST_F(ExchangeFrameTest, RefusedFramesAndAHaltedLink)
{
    HandshakingSign sign(line);
    sign.judge = [](const Frame&) { return HandshakingSign::Verdict{kResend, 0}; };
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::ClockFrame), ExchangeResult::Refused);
    EXPECT_EQ(table.equipmentError, 1);

    const std::size_t written = line.Writes().size();
    const std::int64_t before = clock.Now();
    link.SetHalt([] { return true; });
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::TextFrame), ExchangeResult::NotSent);
    link.Pause(100);
    EXPECT_EQ(line.Writes().size(), written);
    EXPECT_EQ(clock.Now(), before);

    link.SetHalt({});
    line.problems[1] = "/dev/ttyUSB0: the device is gone";
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::TextFrame), ExchangeResult::NotSent);
    EXPECT_EQ(line.Writes().size(), written);
}

TEST_F(ExchangeFrameTest, BlankFrameTreatsSilenceAfterTheFrameAsAResendRequest)
{
    line.Deliver(kReady);  // the sign is ready once, then says nothing
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::BlankFrame), ExchangeResult::NoAnswer);

    // Attempt 1: the frame, then 100 sync bytes 50 ms apart; later attempts one sync byte.
    EXPECT_EQ(line.CountWritten(kSync), 1 + 100 + 99);
    EXPECT_EQ(static_cast<int>(line.Writes().size()), 200 + kFrameSize);
    const auto times = WriteTimes();
    EXPECT_EQ(line.Writes()[1 + kFrameSize].byte, kSync);
    EXPECT_EQ(times[2 + kFrameSize] - times[1 + kFrameSize], 50);
    EXPECT_EQ(clock.Now(), 100 + 50 + 20 * 50 + 100 * 50 + 99 * 50);
}

TEST_F(ExchangeFrameTest, LateClockAcceptIsMissedAndTheFrameGoesOutAgain)
{
    HandshakingSign sign(line);
    sign.judge = [&sign](const Frame&) {
        return HandshakingSign::Verdict{sign.Frames().size() == 1 ? kAccept : HandshakingSign::kSilent, 80};
    };
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::ClockFrame), ExchangeResult::Accepted);

    // The accept byte came 30 ms after the last poll: the frame went again.
    EXPECT_EQ(sign.Frames().size(), 2u);
    EXPECT_EQ(line.WrittenBytes(), SyncAndFrame(2));
    EXPECT_EQ(line.Writes()[1 + kFrameSize].atMs, 1150);
}

TEST_F(ExchangeFrameTest, ReadyByteThatComesLateCostsOneAttempt)
{
    HandshakingSign sign(line);
    sign.Faults().ignoreSyncBytes = 2;
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::ClockFrame), ExchangeResult::Accepted);
    EXPECT_EQ(line.CountWritten(kSync), 3);
    EXPECT_EQ(line.Writes()[3].atMs, 250);  // first frame byte after three syncs
}

TEST_F(ExchangeFrameTest, PageOneSettingsPacingIncludingTheResend)
{
    HandshakingSign sign(line);
    sign.judge = [&sign](const Frame&) { return HandshakingSign::Verdict{sign.Frames().size() == 1 ? kResend : kAccept}; };
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::SettingsFramePage1), ExchangeResult::Accepted);

    const auto times = WriteTimes();
    ASSERT_EQ(times.size(), 2u * (1 + kFrameSize));
    EXPECT_EQ(times[0], 100);
    // 100 ms after sync and bytes 1 to 19; the resend request read 50 ms after the checksum.
    for (int i = 0; i < kFrameSize; ++i) {
        EXPECT_EQ(times[static_cast<std::size_t>(1 + i)], 200 + 100 * i);
        EXPECT_EQ(times[static_cast<std::size_t>(2 + kFrameSize + i)], 2200 + 100 * i);
    }
    EXPECT_EQ(times[1 + kFrameSize], 2150);
    EXPECT_EQ(clock.Now(), 4200);
}

}  // namespace
}  // namespace velnar::link
