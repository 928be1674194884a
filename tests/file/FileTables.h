#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "model/MessageTable.h"

namespace velnar::file::test {

// Plain ASCII as UTF-16 code units.
inline std::u16string Units(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// Every text set, and every value of every block different from all others
// (most of them beyond 0..9), so that a value read into the wrong entry or a
// block read in the wrong order shows.
inline model::MessageTable FullTable()
{
    model::MessageTable table;
    for (int k = 0; k < model::kRowCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        table.rowText[i] = u"Satır " + Units(std::to_string(k)) + u" ŞİĞÜÖÇ, 12:30";
        table.rowAnimation[i] = 100 + k;
        table.rowBrightness[i] = 200 + k;
        table.rowSpeed[i] = 300 + k;
    }
    for (int s = 0; s < model::kSlotCount; ++s) {
        const auto i = static_cast<std::size_t>(s);
        table.slotTwoRows[i] = 10 + s;
        table.slotClock[i] = 30 + s;
        table.slotSelected[i] = 50 + s;
    }
    return table;
}

// The values the editor's lists give, each block still differing per entry.
inline model::MessageTable EditorValuesTable()
{
    model::MessageTable table;
    for (int k = 0; k < model::kRowCount; ++k) {
        const auto i = static_cast<std::size_t>(k);
        table.rowAnimation[i] = k % 5;
        table.rowBrightness[i] = 4 * (k % 3);
        table.rowSpeed[i] = 4 * ((k + 1) % 3);
    }
    for (int s = 0; s < model::kSlotCount; ++s) {
        const auto i = static_cast<std::size_t>(s);
        table.slotTwoRows[i] = s % 2;
        table.slotClock[i] = (s / 2) % 2;
        table.slotSelected[i] = (s / 4) % 2;
    }
    return table;
}

// A table that no file of the tests holds, to see what a read leaves alone.
inline model::MessageTable BeforeReadingTable()
{
    model::MessageTable table;
    for (std::u16string& text : table.rowText)
        text = u"before";
    table.rowAnimation.fill(-7);
    table.rowBrightness.fill(-7);
    table.rowSpeed.fill(-7);
    table.slotTwoRows.fill(-7);
    table.slotClock.fill(-7);
    table.slotSelected.fill(-7);
    return table;
}

inline void ExpectSameFileFields(const model::MessageTable& actual, const model::MessageTable& expected)
{
    for (int k = 0; k < model::kRowCount; ++k)
        EXPECT_EQ(actual.rowText[static_cast<std::size_t>(k)], expected.rowText[static_cast<std::size_t>(k)])
            << "row number " << k;
    EXPECT_EQ(actual.rowAnimation, expected.rowAnimation);
    EXPECT_EQ(actual.rowBrightness, expected.rowBrightness);
    EXPECT_EQ(actual.rowSpeed, expected.rowSpeed);
    EXPECT_EQ(actual.slotTwoRows, expected.slotTwoRows);
    EXPECT_EQ(actual.slotClock, expected.slotClock);
    EXPECT_EQ(actual.slotSelected, expected.slotSelected);
}

}  // namespace velnar::file::test
