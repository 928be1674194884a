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

// Brightness and speed are four times the item, truncated toward zero.
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

}  // namespace
}  // namespace velnar::model
