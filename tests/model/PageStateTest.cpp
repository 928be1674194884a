#include <gtest/gtest.h>

#include "model/PageState.h"

namespace velnar::model {
namespace {

PageState SecondPage()
{
    PageState page;
    page.firstSlot = 9;
    return page;
}

// A stored value selects the item it names, or none: brightness and speed
// are four times the item, divided truncating toward zero (so -1 to -3 still
// name item "1", unlike a shift); the texts and boxes come as stored.
TEST(PageStateTest, LoadingTakesThePagesPartOfTheTable)
{
    const struct {
        int stored;
        int level;
        int animation;
    } cases[] = {{0, 0, 0}, {4, 1, 4}, {8, 2, kNoItem}, {6, 1, kNoItem}, {12, kNoItem, kNoItem},
                 {-4, kNoItem, kNoItem}, {-1, 0, kNoItem}, {-3, 0, kNoItem}, {1, 0, 1}, {3, 0, 3}};
    for (const auto& c : cases) {
        MessageTable table;
        PageState page = SecondPage();
        const int row = RowNumber(11, 2);  // page row 5: slot j = 2, row 2
        table.rowBrightness[row] = c.stored;
        table.rowSpeed[row] = c.stored;
        table.rowAnimation[row] = c.stored;
        table.rowText[row] = u"12,50";
        table.slotClock[10] = 1;
        table.slotTwoRows[10] = 1;
        LoadPage(table, page);
        const PageState::Slot& slot = page.slotStates[2];
        EXPECT_EQ(slot.rows[1].brightness, c.level) << c.stored;
        EXPECT_EQ(slot.rows[1].speed, c.level) << c.stored;
        EXPECT_EQ(slot.rows[1].animation, c.animation) << c.stored;
        EXPECT_EQ(page.rowStrings[5], u"12,50");
        EXPECT_TRUE(slot.clock && slot.twoRows && !slot.selected);
        EXPECT_TRUE(page.slotStates[1].rows[1].animation == 0 && !page.slotStates[1].clock);
    }
}

TEST(PageStateTest, BoxesGoToTheirSlotsEntries)
{
    MessageTable table;
    PageState page = SecondPage();
    page.slotStates[0].twoRows = true;
    page.slotStates[7].selected = true;
    page.slotStates[3].clock = true;
    PollBoxes(page, table);
    EXPECT_EQ(table.slotTwoRows[8], 1);
    EXPECT_EQ(table.slotSelected[15], 1);
    EXPECT_EQ(table.slotClock[11], 1);
    EXPECT_EQ(table.slotTwoRows[0] + table.slotClock[3] + table.slotSelected[7] + table.slotTwoRows[9], 0);
}

// A ticked clock box shows the time over row 2 each tick; clearing it
// empties the row once, and what is typed afterwards stays.
TEST(PageStateTest, ClockRowLatch)
{
    MessageTable table;
    PageState page;
    page.RowString(4, 2) = u"typed";
    page.RowString(5, 2) = u"untouched";
    page.slotStates[4].clock = true;
    ShowClockRows(page, table, u"06/12/2026  00:05:09");
    EXPECT_EQ(page.RowString(4, 2), u"06/12/2026  00:05:09");
    EXPECT_EQ(table.clockRowShown[4], 1);

    page.slotStates[4].clock = false;
    ShowClockRows(page, table, u"06/12/2026  00:05:10");
    EXPECT_EQ(page.RowString(4, 2), u"");
    EXPECT_EQ(table.clockRowShown[4], 0);

    page.RowString(4, 2) = u"new";
    ShowClockRows(page, table, u"06/12/2026  00:05:11");
    EXPECT_EQ(page.RowString(4, 2), u"new");
    EXPECT_EQ(page.RowString(5, 2), u"untouched");
}

// "ENGLISH" keeps the characters below U+0080 in their order, in both rows
// of its slot only.
TEST(PageStateTest, EnglishKeepsOnlyCharactersBelow0x80)
{
    PageState page;
    page.slotStates[1].language = kEnglishItem;
    page.RowString(1, 1) = u"A\u007FŞ\u0080Ü B";
    page.RowString(1, 2) = u"ÇAY";
    page.RowString(2, 1) = u"ÇAY";
    FilterLanguage(page);
    EXPECT_EQ(page.RowString(1, 1), u"A\u007F B");
    EXPECT_EQ(page.RowString(1, 2), u"AY");
    EXPECT_EQ(page.RowString(2, 1), u"ÇAY");
}

}  // namespace
}  // namespace velnar::model
