#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/Pacer.h"
#include "link/SendBatches.h"
#include "link/SignLink.h"
#include "link/SlotSender.h"
#include "link/VirtualLine.h"
#include "link/VirtualSign.h"
#include "model/MessageTable.h"
#include "model/Selectors.h"
#include "tests/support/RecordingNotices.h"
#include "tests/support/VirtualSignLine.h"

namespace velnar::link {
namespace {

std::string KindName(ExchangeKind kind)
{
    switch (kind) {
    case ExchangeKind::TextFrame: return "TEXT";
    case ExchangeKind::BlankFrame: return "BLANK";
    case ExchangeKind::SettingsFramePage1: return "SETTINGS1";
    case ExchangeKind::SettingsFramePage2: return "SETTINGS2";
    case ExchangeKind::ClockFrame: return "CLOCK";
    }
    return "?";
}

class SlotSenderTest : public ::testing::Test, protected testing::VirtualSignLine {
protected:
    SlotSender sender{link, localTime, table};

    struct Exchange {
        std::string kind;
        Frame frame;
        bool accepted;
    };
    std::vector<Exchange> exchanges;
    int progress = 0;

    void SetUp() override
    {
        link.SetExchangeObserver([this](ExchangeKind kind, const Frame& frame, bool accepted) {
            exchanges.push_back({KindName(kind), frame, accepted});
        });
    }

    SendOutcome Send(const SlotSnapshot& snapshot)
    {
        return sender.SendSlot(snapshot, [this] { ++progress; });
    }

    std::vector<std::string> Kinds() const
    {
        std::vector<std::string> kinds;
        for (const Exchange& e : exchanges)
            kinds.push_back(e.kind);
        return kinds;
    }

    static SlotSnapshot TwoRows(int slot, std::u16string row1 = u"", std::u16string row2 = u"")
    {
        SlotSnapshot snapshot;
        snapshot.slot = slot;
        snapshot.twoRows = true;
        snapshot.rows[0].text = std::move(row1);
        snapshot.rows[1].text = std::move(row2);
        return snapshot;
    }
};

Frame Bytes(std::initializer_list<int> leading, int checksum)
{
    Frame frame{};
    std::size_t i = 0;
    for (int b : leading)
        frame[i++] = static_cast<std::uint8_t>(b);
    frame[19] = static_cast<std::uint8_t>(checksum);
    return frame;
}

TEST_F(SlotSenderTest, MerhabaOnSlotThree)
{
    table.rowBrightness[model::RowNumber(3, 1)] = 8;
    table.rowSpeed[model::RowNumber(3, 1)] = 4;
    SlotSnapshot snapshot = TwoRows(3, u"MERHABA");
    snapshot.selected = true;
    snapshot.rows[0].animationItem = 1;
    localTime.now = {2026, 12, 6, 19, 5, 9, 1};

    const SendOutcome outcome = Send(snapshot);

    ASSERT_EQ(Kinds(), (std::vector<std::string>{"TEXT", "SETTINGS1", "CLOCK", "BLANK"}));
    EXPECT_EQ(exchanges[0].frame,
              Bytes({0x01, 0x01, 0x00, 0x02, 0x00, 0x01, 0x71, 0x2D, 0x25, 0x32, 0x28, 0x21, 0x22, 0x21}, 0x86));
    EXPECT_EQ(exchanges[1].frame, Bytes({0x05, 0x08, 0x04, 0x02, 0x01}, 0x14));
    EXPECT_EQ(exchanges[2].frame, BuildClockFrame(localTime.now, 0, 2));
    EXPECT_EQ(exchanges[3].frame, Bytes({0x00, 0x01, 0x00, 0x02, 0x00, 0x02, 0x01}, 0x06));
    EXPECT_EQ(progress, 2);  // after the text frame and after the blank frame
    EXPECT_EQ(outcome.completion, CompletionNotice::Dialog);
    EXPECT_FALSE(outcome.equipmentError);
    EXPECT_EQ(table.sendComplete, 0);
    EXPECT_EQ(table.rowAnimation[model::RowNumber(3, 1)], 1);
}

TEST_F(SlotSenderTest, FrameSequencePerSlotKind)
{
    SlotSnapshot clockSlot = TwoRows(5, u"A", u"never sent");
    clockSlot.clock = true;
    SlotSnapshot oneRowWithClock = TwoRows(5, u"A", u"never sent");
    oneRowWithClock.twoRows = false;
    oneRowWithClock.clock = true;
    SlotSnapshot emptyOneRow = TwoRows(16);
    emptyOneRow.twoRows = false;

    const struct {
        const char* name;
        SlotSnapshot snapshot;
        std::vector<std::string> kinds;
        CompletionNotice completion;
    } cases[] = {
        {"both rows empty", TwoRows(3), {"BLANK", "CLOCK", "BLANK"}, CompletionNotice::None},
        {"both rows empty, slot 8", TwoRows(8), {"BLANK", "SETTINGS1", "CLOCK", "BLANK", "SETTINGS1"},
         CompletionNotice::Dialog},
        {"both rows empty, slot 16", TwoRows(16), {"BLANK", "SETTINGS2", "CLOCK", "BLANK", "SETTINGS2"},
         CompletionNotice::Dialog},
        {"clock row", clockSlot, {"TEXT", "SETTINGS1", "CLOCK"}, CompletionNotice::Dialog},
        {"one row ignores the clock", oneRowWithClock, {"TEXT", "SETTINGS1"}, CompletionNotice::Dialog},
        {"empty long row, slot 16", emptyOneRow, {"BLANK", "SETTINGS2"}, CompletionNotice::Dialog},
        {"slot 2 answers with a message box", TwoRows(2, u"X"), {"TEXT", "SETTINGS1", "CLOCK", "BLANK"},
         CompletionNotice::MessageBox},
    };
    for (const auto& c : cases) {
        exchanges.clear();
        const SendOutcome outcome = Send(c.snapshot);
        EXPECT_EQ(Kinds(), c.kinds) << c.name;
        EXPECT_EQ(outcome.completion, c.completion) << c.name;
    }
}

TEST_F(SlotSenderTest, ClockFlagTravelsInTheClockFrame)
{
    SlotSnapshot snapshot = TwoRows(11, u"A");
    snapshot.clock = true;
    Send(snapshot);
    ASSERT_EQ(exchanges.size(), 3u);
    EXPECT_EQ(exchanges[2].frame[8], 10);  // slot index
    EXPECT_EQ(exchanges[2].frame[9], 1);   // clock flag
}

TEST_F(SlotSenderTest, RowsBeyondTheLimitsAreSkippedAndReported)
{
    const struct {
        bool twoRows;
        int length;
        bool sent;
    } cases[] = {{true, 106, true}, {true, 107, false}, {false, 209, true}, {false, 210, false}};
    for (const auto& c : cases) {
        exchanges.clear();
        SlotSnapshot snapshot = TwoRows(4, std::u16string(static_cast<std::size_t>(c.length), u'x'), u"B");
        snapshot.twoRows = c.twoRows;

        const SendOutcome outcome = Send(snapshot);

        const int textFrames = static_cast<int>(std::count_if(
            exchanges.begin(), exchanges.end(), [](const Exchange& e) { return e.kind == "TEXT"; }));
        const int blocks = (c.length + 11) / 12;
        const int rowTwoFrames = c.twoRows ? 1 : 0;
        EXPECT_EQ(textFrames, (c.sent ? blocks : 0) + rowTwoFrames) << c.length;
        if (c.sent) {
            EXPECT_TRUE(outcome.skippedRows.empty()) << c.length;
            EXPECT_EQ(outcome.completion, CompletionNotice::Dialog) << c.length;
        } else {
            ASSERT_EQ(outcome.skippedRows.size(), 1u) << c.length;
            EXPECT_EQ(outcome.skippedRows[0].row, 1);
            EXPECT_EQ(outcome.skippedRows[0].length, c.length);
            EXPECT_EQ(outcome.skippedRows[0].limit, c.twoRows ? kTwoRowLimit : kOneRowLimit);
            // Another row may have completed, yet this slot did not arrive whole.
            EXPECT_EQ(outcome.completion, CompletionNotice::None) << c.length;
            EXPECT_EQ(table.sendComplete, 0);
        }
    }
    EXPECT_EQ(DescribeSkippedRow({4, 1, 107, kTwoRowLimit}),
              "Slot 4, row 1 was not sent: 107 characters, at most 106 fit in two-row mode.");
}

TEST_F(SlotSenderTest, SlotOnePausesAfterEachRowItSent)
{
    const auto duration = [this](SlotSnapshot snapshot) {
        const std::int64_t start = pacer.Now();
        Send(snapshot);
        return pacer.Now() - start;
    };
    for (bool twoRows : {true, false}) {
        SlotSnapshot one = TwoRows(1, u"AB", u"");
        one.twoRows = twoRows;
        SlotSnapshot two = one;
        two.slot = 2;
        // Both rows of a two-row slot count, the blank one too.
        EXPECT_EQ(duration(one) - duration(two), twoRows ? 200 : 100) << twoRows;
    }
    SlotSnapshot emptyLongRow = TwoRows(1);
    emptyLongRow.twoRows = false;
    SlotSnapshot emptyLongRowTwo = emptyLongRow;
    emptyLongRowTwo.slot = 2;
    EXPECT_EQ(duration(emptyLongRow), duration(emptyLongRowTwo));
}

TEST_F(SlotSenderTest, SelectionsReachTheTableAndTheFrames)
{
    // Page 2 re-reads its brightness and speed selectors; an empty selector
    // gives -1 for an animation and -4 for a level.
    table.rowBrightness[model::RowNumber(9, 1)] = 8;
    SlotSnapshot pageTwo = TwoRows(9, u"A");
    pageTwo.twoRows = false;
    pageTwo.rows[0].animationItem = model::kNoItem;
    pageTwo.rows[0].brightnessItem = model::kNoItem;
    pageTwo.rows[0].speedItem = 2;
    Send(pageTwo);
    ASSERT_EQ(exchanges.size(), 2u);
    EXPECT_EQ(exchanges[0].frame[0], 0xFF);
    EXPECT_EQ(exchanges[1].frame, Bytes({0x05, 0xFC, 0x08, 0x08, 0x01}, (5 - 4 + 8 + 8 + 1) & 0xFF));
    EXPECT_TRUE(exchanges[0].accepted);
    EXPECT_TRUE(exchanges[1].accepted);
    EXPECT_EQ(table.rowAnimation[model::RowNumber(9, 1)], -1);
    EXPECT_EQ(table.rowBrightness[model::RowNumber(9, 1)], -4);

    // Page 1 sends the stored levels: its selectors' handlers keep them.
    exchanges.clear();
    table.rowBrightness[model::RowNumber(1, 1)] = 6;
    SlotSnapshot pageOne = TwoRows(1, u"A");
    pageOne.twoRows = false;
    pageOne.rows[0].brightnessItem = 0;
    Send(pageOne);
    ASSERT_EQ(exchanges.size(), 2u);
    EXPECT_EQ(exchanges[1].frame[1], 6);
}

TEST_F(SlotSenderTest, ProgressOnPageOnePerAcceptedFrameOnPageTwoOnce)
{
    Send(TwoRows(3, std::u16string(30, u'x'), u""));
    EXPECT_EQ(progress, 3 + 1);
    progress = 0;
    Send(TwoRows(11, std::u16string(30, u'x'), u""));
    EXPECT_EQ(progress, 1);
}

TEST_F(SlotSenderTest, CompletionIsWithheldByTheFlagOfItsSlot)
{
    const struct {
        int slot;
        std::uint8_t model::MessageTable::*flag;
        bool withheld;
    } cases[] = {
        {1, &model::MessageTable::pageBatchActive, true},   {7, &model::MessageTable::pageBatchActive, true},
        {8, &model::MessageTable::pageBatchActive, false},  {8, &model::MessageTable::sendAllActive, true},
        {9, &model::MessageTable::pageBatchActive, true},   {15, &model::MessageTable::pageBatchActive, true},
        {16, &model::MessageTable::pageBatchActive, false}, {16, &model::MessageTable::sendAllActive, false},
        {16, &model::MessageTable::sendAllRequested, true}, {3, &model::MessageTable::sendAllActive, false},
    };
    for (const auto& c : cases) {
        table.*c.flag = 1;
        const SendOutcome outcome = Send(TwoRows(c.slot, u"A", u"B"));
        table.*c.flag = 0;
        EXPECT_EQ(outcome.completion == CompletionNotice::None, c.withheld) << c.slot;
        EXPECT_EQ(table.sendComplete, 0) << c.slot;
    }
}

TEST_F(SlotSenderTest, EquipmentErrorIsReportedOnceAndSuppressesCompletion)
{
    VirtualClock silentPacer;
    VirtualLine silentLine(silentPacer);  // nothing answers
    SignLink silentLink(silentLine, silentPacer, table);
    SlotSender silentSender(silentLink, localTime, table);

    const SendOutcome failed = silentSender.SendSlot(TwoRows(10, u"A"));
    EXPECT_TRUE(failed.equipmentError);
    EXPECT_EQ(failed.completion, CompletionNotice::None);
    EXPECT_EQ(table.equipmentError, 0);

    // The flag was cleared: the next slot that goes through reports no error.
    const SendOutcome fine = Send(TwoRows(10, u"A"));
    EXPECT_FALSE(fine.equipmentError);
    EXPECT_EQ(fine.completion, CompletionNotice::Dialog);
}

TEST(PresentOutcomeTest, OrderAndTheChoiceToStop)
{
    SendOutcome outcome;
    outcome.skippedRows.push_back({3, 2, 120, kTwoRowLimit});
    outcome.equipmentError = true;
    outcome.completion = CompletionNotice::Dialog;

    testing::RecordingNotices alone;
    EXPECT_TRUE(PresentOutcome(outcome, false, alone));
    EXPECT_EQ(alone.shown, (std::vector<std::string>{DescribeSkippedRow({3, 2, 120, kTwoRowLimit}),
                                                     "Equipment Error!", "Send Complete! (dialog)"}));

    testing::RecordingNotices stopping;
    stopping.goOnAfterEquipmentError = false;
    EXPECT_FALSE(PresentOutcome(outcome, true, stopping));
    EXPECT_EQ(stopping.shown.back(), "Equipment Error! (OK/Cancel)");

    testing::RecordingNotices plainBox;
    plainBox.goOnAfterEquipmentError = false;  // a plain box has no Cancel to press
    EXPECT_TRUE(PresentOutcome(outcome, false, plainBox));
}

}  // namespace
}  // namespace velnar::link
