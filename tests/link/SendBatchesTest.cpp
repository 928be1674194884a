#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/SendBatches.h"
#include "link/SlotSender.h"
#include "tests/support/RecordingNotices.h"
#include "tests/support/VirtualSignLine.h"

namespace velnar::link {
namespace {

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
        SlotSnapshot snapshot;
        snapshot.slot = slot;
        snapshot.rows[0].text = u"A";
        const SendOutcome outcome = sender.SendSlot(snapshot);
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
        std::vector<int> slots;
        for (int s = first; s <= last; ++s)
            slots.push_back(s);
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
