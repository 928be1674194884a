#include <gtest/gtest.h>

#include <optional>

#include "link/SignLink.h"
#include "model/MessageTable.h"
#include "tests/support/ScriptedLine.h"

namespace velnar::link {
namespace {

using testing::HandshakingSign;
using testing::ScriptedLine;
using testing::VirtualClock;

const Frame kSample = BuildSettingsFrame({4, 8, 0, 1});

// The handshake bytes as the sign knows them, written out here so that a
// changed constant in the program cannot go unnoticed.
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

class ExchangeFrameTest : public ::testing::Test {
protected:
    VirtualClock clock;
    ScriptedLine line{clock};
    model::MessageTable table;
    SignLink link{line, clock, table};

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
    // 100 ms quiet, sync, 50 ms, then a byte every 50 ms; the text frame
    // waits 1 ms before its first reply poll.
    std::vector<std::int64_t> times = {100};
    for (int i = 0; i < kFrameSize; ++i)
        times.push_back(150 + 50 * i);
    EXPECT_EQ(WriteTimes(), times);
    EXPECT_EQ(clock.Now(), 1151);
    EXPECT_EQ(table.equipmentError, 0);
}

// How long each kind takes when the sign answers at once, and when it never
// answers: its sync bytes, its give-up time and the equipment error.
// On a network port every byte is followed by the margin on top of its
// pacing, the resent frame's too, so that a byte held up on the way still
// reaches the sign no sooner than its minimum after the one before.
TEST_F(ExchangeFrameTest, NetworkMarginFollowsEveryByte)
{
    HandshakingSign sign(line);
    sign.verdicts = {{kResend}, {kAccept}};
    link.SetByteMargin(20);
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::BlankFrame), ExchangeResult::Accepted);
    const auto times = WriteTimes();
    ASSERT_EQ(times.size(), 2u * (1 + kFrameSize));
    for (std::size_t i = 1; i < times.size(); ++i)
        EXPECT_GE(times[i] - times[i - 1], 50 + 20) << i;
}

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
            VirtualClock localClock;
            ScriptedLine localLine(localClock);
            std::optional<HandshakingSign> sign;
            if (answering)
                sign.emplace(localLine);
            model::MessageTable localTable;
            SignLink localLink(localLine, localClock, localTable);
            EXPECT_EQ(localLink.ExchangeFrame(kSample, c.kind),
                      answering ? ExchangeResult::Accepted : ExchangeResult::NoAnswer)
                << kind;
            EXPECT_EQ(localClock.Now(), answering ? c.acceptedMs : c.givenUpMs) << kind;
            EXPECT_EQ(localTable.equipmentError, answering ? 0 : 1) << kind;
            if (!answering) {
                EXPECT_EQ(localLine.WrittenBytes(), std::vector<int>(c.syncBytes, kSync)) << kind;
            }
        }
        EXPECT_EQ(NominalDurationMs(c.kind), c.acceptedMs) << kind;

        VirtualClock localClock;
        ScriptedLine unanswered(localClock);
        unanswered.Deliver(kReady);
        model::MessageTable localTable;
        SignLink(unanswered, localClock, localTable).ExchangeFrame(kSample, c.kind);
        EXPECT_EQ(unanswered.Reads(), c.readsUnanswered) << kind;
    }
}

// The resend byte gets one sync byte and the frame again; any other reply
// is no answer for a text frame.
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

// A sign that answers every frame with the resend byte refused it; a halted
// link begins no frame at all.
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

    // Attempt 1: the frame, then one sync byte per reply poll (100), each
    // followed by 50 ms; attempts 2 to 100: one sync byte each.
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
    sign.verdicts.push_back({kAccept, 80});
    sign.verdicts.push_back({HandshakingSign::kSilent, 0});
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::ClockFrame), ExchangeResult::Accepted);

    // The accept byte came 30 ms after the last poll: the next attempt wrote
    // a sync byte, the sign answered ready and got the whole frame again.
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
    sign.verdicts.push_back({kResend, 0});
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::SettingsFramePage1), ExchangeResult::Accepted);

    const auto times = WriteTimes();
    ASSERT_EQ(times.size(), 2u * (1 + kFrameSize));
    EXPECT_EQ(times[0], 100);
    // 100 ms after the sync byte and after bytes 1 to 19; 50 ms after the
    // checksum the resend request is read; the sync byte that answers it
    // waits 50 ms; the resent checksum is followed by 100 ms.
    for (int i = 0; i < kFrameSize; ++i) {
        EXPECT_EQ(times[static_cast<std::size_t>(1 + i)], 200 + 100 * i);
        EXPECT_EQ(times[static_cast<std::size_t>(2 + kFrameSize + i)], 2200 + 100 * i);
    }
    EXPECT_EQ(times[1 + kFrameSize], 2150);
    EXPECT_EQ(clock.Now(), 4200);
}

TEST_F(ExchangeFrameTest, OpenLinkClosesTheOldPortThenOpensAndConfiguresTheNew)
{
    link.OpenLink(0);
    link.OpenLink(2);
    link.OpenLink(2);

    const std::vector<std::string> expected = {
        "ClosePort(1)",  "OpenPort(1)", "ConfigurePort(1,12,3)", "SetLineControlA(1,0)", "SetLineControlB(1,0)",
        "ClosePort(1)",  "OpenPort(3)", "ConfigurePort(3,12,3)", "SetLineControlA(3,0)", "SetLineControlB(3,0)",
        "ClosePort(3)",  "OpenPort(3)", "ConfigurePort(3,12,3)", "SetLineControlA(3,0)", "SetLineControlB(3,0)",
    };
    EXPECT_EQ(line.Calls(), expected);
    EXPECT_EQ(table.portIndex, 2);
    EXPECT_EQ(link.LibraryPort(), 3);
}

}  // namespace
}  // namespace velnar::link
