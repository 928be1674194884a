#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "link/SendBatches.h"
#include "link/SlotSender.h"
#include "model/Selectors.h"
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

Frame Bytes(std::initializer_list<int> leading, int checksum)
{
    Frame frame{};
    std::copy(leading.begin(), leading.end(), frame.begin());
    frame[kFrameSize - 1] = static_cast<std::uint8_t>(checksum);
    return frame;
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
            exchanges.push_back({kKindNames[static_cast<int>(kind)], frame, accepted});
        });
    }

    SendOutcome Send(const SlotSnapshot& snapshot)
    {
        exchanges.clear();
        return sender.SendSlot(snapshot, [this] { ++progress; });
    }

    std::vector<std::string> Kinds() const
    {
        std::vector<std::string> kinds;
        for (const Exchange& e : exchanges)
            kinds.push_back(e.kind);
        return kinds;
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

    ASSERT_EQ(Kinds(), (std::vector<std::string>{"TEXT", "SETTINGS1", "CLOCK", "BLANK"}));
    EXPECT_EQ(exchanges[0].frame,
              Bytes({0x01, 0x01, 0x00, 0x02, 0x00, 0x01, 0x71, 0x2D, 0x25, 0x32, 0x28, 0x21, 0x22, 0x21}, 0x86));
    EXPECT_EQ(exchanges[1].frame, Bytes({0x05, 0x08, 0x04, 0x02, 0x01}, 0x14));
    EXPECT_EQ(exchanges[2].frame, Bytes({0x07, 0x26, 0x12, 0x07, 0x06, 0x19, 0x05, 0x09, 0x02, 0x00}, 0x75));
    EXPECT_EQ(exchanges[3].frame, Bytes({0x00, 0x01, 0x00, 0x02, 0x00, 0x02, 0x01}, 0x06));
    EXPECT_EQ(progress, 2);  // after the text frame and after the blank frame
    EXPECT_EQ(outcome.completion, CompletionNotice::Dialog);
    EXPECT_FALSE(outcome.equipmentError);
    EXPECT_EQ(table.sendComplete, 0);
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
        EXPECT_EQ(Kinds(), c.kinds) << c.name;
        EXPECT_EQ(outcome.completion, c.completion) << c.name;
    }
    Send(clockSlot);
    EXPECT_EQ(exchanges[2].frame[8], 10);  // slot index
    EXPECT_EQ(exchanges[2].frame[9], 1);   // clock flag
}

TEST_F(SlotSenderTest, RowsBeyondTheLimitsAreSkippedAndReported)
{
    const struct {
        bool twoRows;
        int length;
        std::string reported;  // empty when the row is sent
    } cases[] = {
        {true, 106, ""},
        {true, 107, "Slot 4, row 1 was not sent: 107 characters, at most 106 fit in two-row mode."},
        {false, 209, ""},
        {false, 210, "Slot 4, row 1 was not sent: 210 characters, at most 209 fit in one-row mode."},
    };
    for (const auto& c : cases) {
        const SendOutcome outcome =
            Send(Slot(4, std::u16string(static_cast<std::size_t>(c.length), u'x'), u"B", c.twoRows));
        const bool sent = c.reported.empty();
        const auto textFrames = std::count_if(exchanges.begin(), exchanges.end(),
                                              [](const Exchange& e) { return e.kind == "TEXT"; });
        EXPECT_EQ(textFrames, (sent ? (c.length + 11) / 12 : 0) + (c.twoRows ? 1 : 0)) << c.length;
        // Another row may have completed, yet a slot that did not arrive whole is not complete.
        EXPECT_EQ(outcome.completion, sent ? CompletionNotice::Dialog : CompletionNotice::None) << c.length;
        ASSERT_EQ(outcome.skippedRows.size(), sent ? 0u : 1u) << c.length;
        EXPECT_EQ(sent ? "" : DescribeSkippedRow(outcome.skippedRows[0]), c.reported);
        EXPECT_EQ(table.sendComplete, 0);
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

TEST_F(SlotSenderTest, SelectionsReachTheTableAndTheFrames)
{
    // Page 2 re-reads its brightness and speed selectors; an empty selector
    // gives -1 for an animation and -4 for a level.
    table.rowBrightness[model::RowNumber(9, 1)] = 8;
    SlotSnapshot pageTwo = Slot(9, u"A", u"", false);
    pageTwo.rows[0] = {u"A", model::kNoItem, model::kNoItem, 2};
    Send(pageTwo);
    ASSERT_EQ(exchanges.size(), 2u);
    EXPECT_EQ(exchanges[0].frame[0], 0xFF);
    EXPECT_EQ(exchanges[1].frame, Bytes({0x05, 0xFC, 0x08, 0x08, 0x01}, 0x12));
    EXPECT_TRUE(exchanges[0].accepted && exchanges[1].accepted);
    EXPECT_EQ(table.rowAnimation[model::RowNumber(9, 1)], -1);
    EXPECT_EQ(table.rowBrightness[model::RowNumber(9, 1)], -4);

    // Page 1 sends the stored levels: its selectors' handlers keep them.
    table.rowBrightness[model::RowNumber(1, 1)] = 6;
    Send(Slot(1, u"A", u"", false));
    ASSERT_EQ(exchanges.size(), 2u);
    EXPECT_EQ(exchanges[1].frame[1], 6);
}

TEST_F(SlotSenderTest, ProgressOnPageOnePerAcceptedFrameOnPageTwoOnce)
{
    Send(Slot(3, std::u16string(30, u'x')));
    EXPECT_EQ(progress, 3 + 1);
    progress = 0;
    Send(Slot(11, std::u16string(30, u'x')));
    EXPECT_EQ(progress, 1);
}

TEST_F(SlotSenderTest, CompletionIsWithheldByTheFlagOfItsSlot)
{
    using T = model::MessageTable;
    const struct {
        int slot;
        std::uint8_t T::*flag;
        bool withheld;
    } cases[] = {
        {1, &T::pageBatchActive, true},   {7, &T::pageBatchActive, true},   {8, &T::pageBatchActive, false},
        {8, &T::sendAllActive, true},     {9, &T::pageBatchActive, true},   {15, &T::pageBatchActive, true},
        {16, &T::pageBatchActive, false}, {16, &T::sendAllActive, false},   {16, &T::sendAllRequested, true},
        {3, &T::sendAllActive, false},
    };
    for (const auto& c : cases) {
        table.*c.flag = 1;
        const SendOutcome outcome = Send(Slot(c.slot, u"A", u"B"));
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
    const SendOutcome failed = SlotSender(silentLink, localTime, table).SendSlot(Slot(10, u"A"));
    EXPECT_TRUE(failed.equipmentError);
    EXPECT_EQ(failed.completion, CompletionNotice::None);
    EXPECT_EQ(table.equipmentError, 0);

    // The flag was cleared: the next slot that goes through reports no error.
    const SendOutcome fine = Send(Slot(10, u"A"));
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
    EXPECT_EQ(alone.shown, (std::vector<std::string>{"Slot 3, row 2 was not sent: 120 characters, at most 106 fit "
                                                     "in two-row mode.",
                                                     "Equipment Error!", "Send Complete! (dialog)"}));
    testing::RecordingNotices stopping;
    stopping.goOnAfterEquipmentError = false;
    EXPECT_FALSE(PresentOutcome(outcome, true, stopping));
    EXPECT_EQ(stopping.shown.back(), "Equipment Error! (OK/Cancel)");
    // A plain box has no Cancel to press.
    EXPECT_TRUE(PresentOutcome(outcome, false, stopping));
}

// Every slot holds one short row, so each slot ends with an accepted settings
// frame; the notices show which slots reported completion.
class SendBatchesTest : public ::testing::Test, protected testing::VirtualSignLine {
protected:
    SlotSender sender{link, localTime, table};
    testing::RecordingNotices notices;
    std::vector<int> sent;
    std::vector<int> batchFlagSeen;

    bool SendOne(int slot)
    {
        sent.push_back(slot);
        batchFlagSeen.push_back(table.pageBatchActive);
        const SendOutcome outcome = sender.SendSlot(Slot(slot, u"A", u"", false));
        const bool goOn = PresentOutcome(outcome, table.pageBatchActive != 0, notices);
        if (outcome.completion != CompletionNotice::None)
            notices.shown.back() += " after " + std::to_string(slot);
        return goOn;
    }

    SendOneSlot Sender()
    {
        return [this](int slot) { return SendOne(slot); };
    }

    static std::vector<int> Range(int first, int last)
    {
        std::vector<int> slots(static_cast<std::size_t>(last - first + 1));
        std::iota(slots.begin(), slots.end(), first);
        return slots;
    }
};

TEST_F(SendBatchesTest, PageBatchSendsItsSlotsInOrderAndReportsOnceAtTheEnd)
{
    for (int page : {1, 2}) {
        sent.clear();
        batchFlagSeen.clear();
        notices.shown.clear();

        EXPECT_TRUE(SendPageBatch(table, page, Sender()));

        EXPECT_EQ(sent, Range(page == 1 ? 1 : 9, page == 1 ? 8 : 16));
        EXPECT_EQ(batchFlagSeen, std::vector<int>(8, 1));
        EXPECT_EQ(table.pageBatchActive, 0);
        EXPECT_EQ(notices.shown, (std::vector<std::string>{"Send Complete! (dialog) after " +
                                                           std::to_string(page * 8)}));
    }
}

TEST_F(SendBatchesTest, SendAllRunsBothHalvesOnceWithOneNotice)
{
    table.sendAllRequested = 1;
    TakeUpSendAllPage1(table, Sender());
    EXPECT_EQ(table.sendAllPage2Turn, 1);
    EXPECT_EQ(table.sendAllActive, 1);
    EXPECT_EQ(table.sendAllRequested, 0);
    // A second request while page 2's turn is pending is the next tick's
    // business; page 2's half never starts twice.
    TakeUpSendAllPage2(table, Sender());
    TakeUpSendAllPage2(table, Sender());
    TakeUpSendAllPage1(table, Sender());

    EXPECT_EQ(sent, Range(1, 16));
    EXPECT_EQ(notices.shown, (std::vector<std::string>{"Send Complete! (dialog) after 16"}));
    EXPECT_EQ(table.sendAllActive, 0);
    EXPECT_EQ(table.sendAllPage2Turn, 0);
}

// The operator's answer to the error box decides whether the run goes on.
TEST_F(SendBatchesTest, AnEquipmentErrorEndsTheRunOrNotAsTheOperatorSays)
{
    const SendOneSlot failingThird = [&](int slot) {
        if (slot == 3)
            table.equipmentError = 1;  // as the link raises it for a lost frame
        return SendOne(slot);
    };
    for (const bool goOn : {false, true}) {
        sent.clear();
        notices.shown.clear();
        notices.goOnAfterEquipmentError = goOn;
        table.sendAllRequested = 1;
        TakeUpSendAllPage1(table, failingThird);
        TakeUpSendAllPage2(table, failingThird);

        EXPECT_EQ(sent, Range(1, goOn ? 16 : 3));
        std::vector<std::string> shown = {"Equipment Error! (OK/Cancel)"};
        if (goOn)
            shown.push_back("Send Complete! (dialog) after 16");
        EXPECT_EQ(notices.shown, shown);
        EXPECT_EQ(std::vector<int>({table.pageBatchActive, table.sendAllActive, table.sendAllPage2Turn}),
                  std::vector<int>({0, 0, 0}));
    }
}

}  // namespace
}  // namespace velnar::link
