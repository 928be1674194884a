#include <gtest/gtest.h>

#include <memory>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "link/SendBatches.h"
#include "link/SendRun.h"
#include "link/SignLink.h"
#include "link/SlotSender.h"
#include "model/Selectors.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/RecordingNotices.h"
#include "tests/support/VirtualSignLine.h"

namespace velnar::link {
namespace {

// In the order of ExchangeKind.
const char* const kKindNames[] = {"TEXT", "BLANK", "SETTINGS1", "SETTINGS2", "CLOCK"};

SlotSnapshot Slot(int slot, std::u16string row1 = u"", std::u16string row2 = u"", bool twoRows = true)
{
    SlotSnapshot snapshot;
    snapshot.slot = slot;
    snapshot.twoRows = twoRows;
    snapshot.rows[0].text = std::move(row1);
    snapshot.rows[1].text = std::move(row2);
    return snapshot;
}

using testing::FrameBytes;

class SlotSenderTest : public ::testing::Test, protected testing::VirtualSignLine {
protected:
    SlotSender sender{link, localTime, table};
    std::vector<std::string> kinds;  // of the frames of the last send, in order
    std::vector<Frame> frames;
    int progress = 0;

    void SetUp() override
    {
        link.SetExchangeObserver([this](ExchangeKind kind, const Frame& frame, ExchangeResult) {
            kinds.push_back(kKindNames[static_cast<int>(kind)]);
            frames.push_back(frame);
        });
    }

    SendOutcome Send(const SlotSnapshot& snapshot)
    {
        kinds.clear();
        frames.clear();
        return sender.SendSlot(snapshot, [this] { ++progress; });
    }
};

TEST_F(SlotSenderTest, MerhabaOnSlotThree)
{
    table.rowBrightness[model::RowNumber(3, 1)] = 8;
    table.rowSpeed[model::RowNumber(3, 1)] = 4;
    SlotSnapshot snapshot = Slot(3, u"MERHABA");
    snapshot.selected = true;
    snapshot.rows[0].animationItem = 1;
    localTime.now = {2026, 12, 6, 19, 5, 9, 1};

    const SendOutcome outcome = Send(snapshot);

    ASSERT_EQ(kinds, (std::vector<std::string>{"TEXT", "SETTINGS1", "CLOCK", "BLANK"}));
    EXPECT_EQ(frames[0],
              FrameBytes({0x01, 0x01, 0x00, 0x02, 0x00, 0x01, 0x71, 0x2D, 0x25, 0x32, 0x28, 0x21, 0x22, 0x21}, 0x86));
    EXPECT_EQ(frames[1], FrameBytes({0x05, 0x08, 0x04, 0x02, 0x01}, 0x14));
    EXPECT_EQ(frames[2], FrameBytes({0x07, 0x26, 0x12, 0x07, 0x06, 0x19, 0x05, 0x09, 0x02, 0x00}, 0x75));
    EXPECT_EQ(frames[3], FrameBytes({0x00, 0x01, 0x00, 0x02, 0x00, 0x02, 0x01}, 0x06));
    EXPECT_EQ(progress, 2);  // after the text frame and after the blank frame
    EXPECT_EQ(outcome.completion, CompletionNotice::Dialog);
    EXPECT_EQ(table.rowAnimation[model::RowNumber(3, 1)], 1);
}

TEST_F(SlotSenderTest, FrameSequencePerSlotKind)
{
    SlotSnapshot clockSlot = Slot(11, u"A", u"never sent");
    clockSlot.clock = true;
    SlotSnapshot oneRowWithClock = Slot(5, u"A", u"never sent", false);
    oneRowWithClock.clock = true;
    const struct {
        const char* name;
        SlotSnapshot snapshot;
        std::vector<std::string> kinds;
        CompletionNotice completion;
    } cases[] = {
        {"both rows empty", Slot(3), {"BLANK", "CLOCK", "BLANK"}, CompletionNotice::None},
        {"both rows empty, slot 8", Slot(8), {"BLANK", "SETTINGS1", "CLOCK", "BLANK", "SETTINGS1"},
         CompletionNotice::Dialog},
        {"both rows empty, slot 16", Slot(16), {"BLANK", "SETTINGS2", "CLOCK", "BLANK", "SETTINGS2"},
         CompletionNotice::Dialog},
        {"clock row", clockSlot, {"TEXT", "SETTINGS2", "CLOCK"}, CompletionNotice::Dialog},
        {"one row ignores the clock", oneRowWithClock, {"TEXT", "SETTINGS1"}, CompletionNotice::Dialog},
        {"empty long row, slot 16", Slot(16, u"", u"", false), {"BLANK", "SETTINGS2"}, CompletionNotice::Dialog},
        {"slot 2 answers with a message box", Slot(2, u"X"), {"TEXT", "SETTINGS1", "CLOCK", "BLANK"},
         CompletionNotice::MessageBox},
    };
    for (const auto& c : cases) {
        const SendOutcome outcome = Send(c.snapshot);
        EXPECT_EQ(kinds, c.kinds) << c.name;
        EXPECT_EQ(outcome.completion, c.completion) << c.name;
    }
    Send(clockSlot);
    EXPECT_EQ(frames[2][8], 10);  // slot index
    EXPECT_EQ(frames[2][9], 1);   // clock flag
}

// A row beyond its mode's limit is skipped and reported; the slot is not complete.
TEST_F(SlotSenderTest, RowsBeyondTheLimitsAreSkippedAndReported)
{
    const struct {
        bool twoRows;
        int length, textFrames;
        std::string reported;  // empty when the row is sent
    } cases[] = {
        {true, 106, 10, ""},
        {true, 107, 1, "Slot 4, row 1 was not sent: 107 characters, at most 106 fit in two-row mode."},
        {false, 209, 18, ""},
        {false, 210, 0, "Slot 4, row 1 was not sent: 210 characters, at most 209 fit in one-row mode."},
    };
    for (const auto& c : cases) {
        const SendOutcome outcome =
            Send(Slot(4, std::u16string(static_cast<std::size_t>(c.length), u'x'), u"B", c.twoRows));
        const bool sent = c.reported.empty();
        EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "TEXT"), c.textFrames) << c.length;
        EXPECT_EQ(outcome.completion, sent ? CompletionNotice::Dialog : CompletionNotice::None) << c.length;
        ASSERT_EQ(outcome.skippedRows.size(), sent ? 0u : 1u) << c.length;
        EXPECT_EQ(sent ? "" : DescribeSkippedRow(outcome.skippedRows[0]), c.reported);
    }
}

TEST_F(SlotSenderTest, SlotOnePausesAfterEachRowItSent)
{
    const auto duration = [this](int slot, std::u16string text, bool twoRows) {
        const std::int64_t start = pacer.Now();
        Send(Slot(slot, std::move(text), u"", twoRows));
        return pacer.Now() - start;
    };
    // Both rows of a two-row slot count, the blank one too; an empty long row does not.
    EXPECT_EQ(duration(1, u"AB", true) - duration(2, u"AB", true), 200);
    EXPECT_EQ(duration(1, u"AB", false) - duration(2, u"AB", false), 100);
    EXPECT_EQ(duration(1, u"", false), duration(2, u"", false));
}

TEST_F(SlotSenderTest, EquipmentErrorIsReportedOnceAndSuppressesCompletion)
{
    sign.Faults().silent = true;
    const SendOutcome failed = Send(Slot(10, u"A"));
    EXPECT_TRUE(failed.equipmentError);
    EXPECT_EQ(failed.completion, CompletionNotice::None);
    EXPECT_EQ(table.equipmentError, 0);

    // The flag was cleared: the next slot that goes through reports no error.
    sign.Faults().silent = false;
    const SendOutcome fine = Send(Slot(10, u"A"));
    EXPECT_FALSE(fine.equipmentError);
    EXPECT_EQ(fine.completion, CompletionNotice::Dialog);
}

// Slots of one short row each, on a sign that answers as the test says.
class SendRunTest : public ::testing::Test, protected testing::VirtualSignLine {
protected:
    SlotSender sender{link, localTime, table};
    testing::RecordingNotices notices;
    std::vector<int> sent;
    std::unique_ptr<SendRun> run;

    void SetUp() override
    {
        for (int slot = 1; slot <= 16; ++slot)
            table.rowText[static_cast<std::size_t>(model::RowNumber(slot, 1))] = std::u16string(1, u'A');
        link.SetHalt([this] { return run && run->Halted(); });
    }

    void Begin(std::vector<int> slots)
    {
        run = std::make_unique<SendRun>(std::move(slots), table, [this] { return pacer.Now(); });
        sent.clear();
    }

    SendOneSlot Sender()
    {
        return [this](int slot) {
            sent.push_back(slot);
            return run->SendSlot(sender, SnapshotFromTable(table, slot));
        };
    }

    std::vector<std::string> End()
    {
        notices.shown.clear();
        run->Present(notices, link.PortProblem());
        return notices.shown;
    }

    static std::vector<int> Range(int first, int last)
    {
        std::vector<int> slots(static_cast<std::size_t>(last - first + 1));
        std::iota(slots.begin(), slots.end(), first);
        return slots;
    }
};

// Nothing interrupts a page; its end names each slot not wholly taken, and why.
TEST_F(SendRunTest, OneReportTellsWhatTheSignDidNotTake)
{
    table.rowText[static_cast<std::size_t>(model::RowNumber(5, 1))] = std::u16string(210, u'x');
    sign.SetAnswer([](const Frame& frame) -> std::optional<sign::VirtualSign::Reply> {
        if (frame[3] == 1 && frame[0] < kSettingsCommand)
            return std::nullopt;  // slot 2's text goes unanswered
        if (frame[0] == kSettingsCommand && frame[3] == 6)
            return sign::VirtualSign::Reply{0x00, 0};
        return sign::VirtualSign::Reply{0xFE, 0};
    });
    Begin(Range(1, 8));
    SendPageBatch(table, 1, Sender());
    EXPECT_EQ(sent, Range(1, 8));
    EXPECT_EQ(End(), std::vector<std::string>{"Not everything reached the sign.\n"
                                              "Slot 2: the sign did not answer TEXT row 1.\n"
                                              "Slot 5, row 1 was not sent: 210 characters, at most 209 fit in "
                                              "one-row mode.\n"
                                              "Slot 7: the sign refused SETTINGS row 1.\n"});
    EXPECT_FALSE(run->TookEverything());
}

// Stop in the last frame of a page: the frame goes out whole and nothing is left.
TEST_F(SendRunTest, StopInThePagesLastFrameLeavesNothingUnsent)
{
    int bytes = 0;
    line.onWrite = [this, &bytes, attach = line.onWrite](int byte) {
        attach(byte);
        if (++bytes == 330)  // 6 bytes before the end of slot 8's settings, the page's last
            run->Stop();
    };
    Begin(Range(1, 8));
    SendPageBatch(table, 1, Sender());
    EXPECT_TRUE(run->Stopped());
    EXPECT_EQ(bytes, 336);
    EXPECT_EQ(sent, Range(1, 8));
    EXPECT_EQ(End(), std::vector<std::string>{"Send Complete! (dialog)"});
}

// The time left follows the pacing and is corrected as frames end.
TEST_F(SendRunTest, TimeLeftFromThePacingCorrectedAsFramesEnd)
{
    // Slot 9, one short row: four frames of 1150 ms and the first poll's 1 ms.
    table.slotTwoRows[8] = 1;
    int frames = 0;
    std::vector<std::int64_t> leftAfterFrame;
    sender.frameEnded = [&] {
        leftAfterFrame.push_back(run->Progress().leftMs);
        if (++frames == 1)
            sign.Faults().refuseFrames = 1;  // the settings frame goes out twice
    };
    Begin({9});
    EXPECT_EQ(run->Progress().leftMs, 4601);
    EXPECT_EQ(run->Progress().position, 0);
    Sender()(9);
    EXPECT_EQ(leftAfterFrame, (std::vector<std::int64_t>{3450, 2300, 1150, 0}));
    EXPECT_EQ(run->Progress().percent, 100);
    EXPECT_GT(pacer.Now(), 4601 + 1000);
}

}  // namespace
}  // namespace velnar::link
