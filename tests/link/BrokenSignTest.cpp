// Misbehaving signs: every send ends in bounded time, in fitting words, with no frame cut.
#include <gtest/gtest.h>

#include <memory>
#include <numeric>

#include "link/SendBatches.h"
#include "link/SendRun.h"
#include "link/SignLink.h"
#include "link/SlotSender.h"
#include "link/SlotSnapshot.h"
#include "model/MessageTable.h"
#include "tests/support/FixedClock.h"
#include "tests/support/RecordingNotices.h"
#include "tests/support/ScriptedLine.h"

namespace velnar::link {
namespace {

using testing::HandshakingSign;

constexpr int kSync = 0xAA;
constexpr int kReady = 0xAB;
constexpr int kResend = 0xFD;
constexpr int kGarbage = 0x55;

const Frame kSample = BuildSettingsFrame({4, 8, 0, 1});

// A sign that readies for every frame and answers it with `reply`.
struct BrokenSign {
    const char* name;
    ExchangeKind kind;
    int reply;
    ExchangeResult verdict;
};

class BrokenSignTest : public ::testing::TestWithParam<BrokenSign>, protected testing::ScriptedLink {
protected:
    HandshakingSign sign{line};

    void SetUp() override
    {
        const int reply = GetParam().reply;
        sign.judge = [reply](const Frame&) { return HandshakingSign::Verdict{reply, 0}; };
    }
};

const BrokenSign kBrokenSigns[] = {
    {"RefusesEveryTextFrame", ExchangeKind::TextFrame, kResend, ExchangeResult::Refused},
    {"ReadiesButNeverAcceptsABlankFrame", ExchangeKind::BlankFrame, HandshakingSign::kSilent,
     ExchangeResult::NoAnswer},
    {"AnswersGarbageToABlankFrame", ExchangeKind::BlankFrame, kGarbage, ExchangeResult::Refused},
};

// A frame goes out at most 20 times, and the verdict says what the sign did.
TEST_P(BrokenSignTest, AFrameGoesOutAtMostTwentyTimes)
{
    EXPECT_EQ(link.ExchangeFrame(kSample, GetParam().kind), GetParam().verdict);
    EXPECT_EQ(sign.Frames().size(), 20u);
    EXPECT_EQ(link.LastExchange().sendings, 20);
    EXPECT_EQ(line.CountWritten(kSync), 20);
    EXPECT_EQ(table.equipmentError, 1);
}

// Stop between two sendings of a frame: no sync byte follows it.
TEST_P(BrokenSignTest, AHaltBetweenSendingsWritesNoMoreSyncBytes)
{
    constexpr std::int64_t kStopAtMs = 3000;
    link.SetHalt([this] { return clock.Now() >= kStopAtMs; });
    link.ExchangeFrame(kSample, GetParam().kind);

    const auto& writes = line.Writes();
    ASSERT_FALSE(writes.empty());
    for (const auto& write : writes) {
        if (write.atMs >= kStopAtMs) {
            EXPECT_NE(write.byte, kSync) << "at " << write.atMs << " ms";
        }
    }
    EXPECT_EQ((writes.size() - static_cast<std::size_t>(line.CountWritten(kSync))) % kFrameSize, 0u);
    EXPECT_LT(sign.Frames().size(), 20u);
}

INSTANTIATE_TEST_SUITE_P(Signs, BrokenSignTest, ::testing::ValuesIn(kBrokenSigns),
                         [](const auto& info) { return std::string(info.param.name); });

// A ready byte after a frame answers an earlier sync byte, not the frame.
TEST(ExchangeVerdictTest, OnlyARealReplyIsARefusal)
{
    const struct {
        const char* name;
        std::vector<int> fromSign;
        ExchangeResult verdict;
    } cases[] = {
        {"a stale ready byte", {kReady, kReady}, ExchangeResult::NoAnswer},
        {"garbage", {kReady, kGarbage}, ExchangeResult::Refused},
        {"nothing at all", {}, ExchangeResult::NoAnswer},
    };
    for (const auto& c : cases) {
        testing::ScriptedLink rig;
        for (const int byte : c.fromSign)
            rig.line.Deliver(byte);
        EXPECT_EQ(rig.link.ExchangeFrame(kSample, ExchangeKind::SettingsFramePage2), c.verdict) << c.name;
        EXPECT_EQ(rig.link.LastExchange().heard, !c.fromSign.empty()) << c.name;
    }
}

// A sign falling silent mid-page: the run ends after three frames with no byte at all.
class SilentSignRunTest : public ::testing::Test, protected testing::ScriptedLink {
protected:
    testing::FixedClock localTime;
    SlotSender sender{link, localTime, table};
    HandshakingSign sign{line};
    std::unique_ptr<SendRun> run;

    void SetUp() override
    {
        for (int slot = 1; slot <= 16; ++slot)
            table.rowText[static_cast<std::size_t>(model::RowNumber(slot, 1))] = std::u16string(1, u'A');
        link.SetHalt([this] { return run && run->Halted(); });
    }

    std::vector<int> Page(int page)
    {
        std::vector<int> slots(8);
        std::iota(slots.begin(), slots.end(), page * 8 - 7);
        run = std::make_unique<SendRun>(slots, table, [this] { return clock.Now(); });
        return slots;
    }

    std::string SendPage(int page)
    {
        Page(page);
        SendPageBatch(table, page, [this](int slot) { return run->SendSlot(sender, SnapshotFromTable(table, slot)); });
        testing::RecordingNotices notices;
        run->Present(notices, link.PortProblem());
        return notices.shown.empty() ? std::string() : notices.shown.back();
    }
};

TEST_F(SilentSignRunTest, APageEndsAfterThreeFramesWithoutAByte)
{
    sign.Faults().silentAfterFrames = 2;  // slot 1's text and settings frames
    const std::string report = SendPage(1);

    EXPECT_EQ(sign.Frames().size(), 2u);
    EXPECT_EQ(report,
              "Not everything reached the sign.\n"
              "Slot 2: the sign did not answer TEXT row 1, SETTINGS row 1.\n"
              "Slot 3: the sign did not answer TEXT row 1.\n"
              "Slot 3: the sign fell silent before its end.\n"
              "Slots 4 to 8 were not sent: the sign fell silent.\n"
              "The sign did not answer 3 frames in a row: is it connected and switched on?\n");
    EXPECT_LT(clock.Now(), 20'000);
}

// A repeating frame is named with its count, and the time left covers its repeats.
TEST_F(SilentSignRunTest, ARepeatingFrameShowsInTheProgress)
{
    sign.judge = [](const Frame&) { return HandshakingSign::Verdict{kResend, 0}; };
    Page(1);
    std::vector<std::pair<std::int64_t, RunProgress>> seen;
    link.SetHalt([this, &seen] {
        seen.emplace_back(clock.Now(), run->Progress());
        return false;
    });
    std::int64_t textEndMs = -1;
    sender.frameEnded = [this, &textEndMs] {
        if (textEndMs < 0)
            textEndMs = clock.Now();
    };
    run->SendSlot(sender, SnapshotFromTable(table, 3));

    std::vector<std::string> repeats;
    for (const auto& [atMs, progress] : seen) {
        if (progress.repeat.rfind("slot 3, TEXT row 1", 0) != 0)
            continue;
        if (repeats.empty() || repeats.back() != progress.repeat)
            repeats.push_back(progress.repeat);
        // However often the sign still asks, the frame is over within the time left.
        EXPECT_GE(atMs + progress.leftMs, textEndMs) << progress.repeat;
    }
    ASSERT_GE(repeats.size(), 4u);
    EXPECT_EQ(repeats[0], "slot 3, TEXT row 1: sent once, the sign asks again");
    EXPECT_EQ(repeats[3], "slot 3, TEXT row 1: sent 4 times, the sign asks again");
}

// An unusable port ends the run at once, with no frame tried.
TEST_F(SilentSignRunTest, APortThatNeverOpenedSaysNothingWasSent)
{
    line.problems[1] = "COM1: no such port";
    EXPECT_EQ(SendPage(2), "COM1: no such port; nothing was sent\n");
    EXPECT_TRUE(line.Writes().empty());
    EXPECT_EQ(clock.Now(), 0);
}

// After a write timeout the next send reopens the port instead of failing at once.
TEST(PortRecoveryTest, APortThatFailedOnceIsOpenedAgainForTheNextSend)
{
    struct RecoveringLine : testing::ScriptedLine {
        using ScriptedLine::ScriptedLine;
        int OpenPort(int port) override
        {
            problems.erase(port);
            return ScriptedLine::OpenPort(port);
        }
    };
    VirtualClock clock;
    RecoveringLine line(clock);
    HandshakingSign sign(line);
    model::MessageTable table;
    SignLink link(line, clock, table);
    line.problems[1] = "/dev/ttyUSB0: Operation timed out";
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::ClockFrame), ExchangeResult::NotSent);
    link.ReopenIfFailed();
    EXPECT_EQ(link.ExchangeFrame(kSample, ExchangeKind::ClockFrame), ExchangeResult::Accepted);
}

}  // namespace
}  // namespace velnar::link
