#include <gtest/gtest.h>

#include <set>

#include "model/MessageTable.h"

namespace velnar::model {
namespace {

TEST(MessageTableTest, RowNumbering)
{
    EXPECT_EQ(RowNumber(1, 1), 0);
    EXPECT_EQ(RowNumber(1, 2), 1);
    EXPECT_EQ(RowNumber(9, 1), 16);
    EXPECT_EQ(RowNumber(16, 2), 31);
    EXPECT_EQ(SlotIndex(16), 15);
    EXPECT_EQ(PageOfSlot(8), 1);
    EXPECT_EQ(PageOfSlot(9), 2);
}

TEST(MessageTableTest, AnimationBlocksHoldRowOnesThenRowTwosPerPage)
{
    // Page 1 half: row 1 of slots 1..8, then row 2 of slots 1..8.
    EXPECT_EQ(RowOfAnimationPosition(0), RowNumber(1, 1));
    EXPECT_EQ(RowOfAnimationPosition(7), RowNumber(8, 1));
    EXPECT_EQ(RowOfAnimationPosition(8), RowNumber(1, 2));
    EXPECT_EQ(RowOfAnimationPosition(15), RowNumber(8, 2));
    // Page 2 half.
    EXPECT_EQ(RowOfAnimationPosition(16), RowNumber(9, 1));
    EXPECT_EQ(RowOfAnimationPosition(24), RowNumber(9, 2));
    EXPECT_EQ(RowOfAnimationPosition(31), RowNumber(16, 2));

    std::set<int> rows;
    for (int position = 0; position < kRowCount; ++position)
        rows.insert(RowOfAnimationPosition(position));
    EXPECT_EQ(rows.size(), static_cast<std::size_t>(kRowCount));
}

TEST(MessageTableTest, ZeroRowAttributesLeavesTextsAndSlotsAlone)
{
    MessageTable table;
    table.rowText[3] = u"MERHABA";
    table.rowAnimation[3] = 4;
    table.rowBrightness[31] = 8;
    table.rowSpeed[0] = -4;
    table.slotClock[2] = 1;

    ZeroRowAttributes(table);

    EXPECT_EQ(table.rowAnimation[3], 0);
    EXPECT_EQ(table.rowBrightness[31], 0);
    EXPECT_EQ(table.rowSpeed[0], 0);
    EXPECT_EQ(table.rowText[3], u"MERHABA");
    EXPECT_EQ(table.slotClock[2], 1);
}

}  // namespace
}  // namespace velnar::model
