#pragma once

#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "model/MessageTable.h"

namespace velnar::file::test {

// Plain ASCII as UTF-16 code units.
inline std::u16string Units(std::string_view ascii)
{
    return std::u16string(ascii.begin(), ascii.end());
}

// The six attribute blocks, compared or set at once.
template <typename Table>
auto Values(Table& table)
{
    return std::tie(table.rowAnimation, table.rowBrightness, table.rowSpeed, table.slotTwoRows, table.slotClock,
                    table.slotSelected);
}

// Every value distinct and beyond ASCII, so a value read into the wrong place shows.
inline model::MessageTable FullTable()
{
    model::MessageTable table;
    for (int k = 0; k < model::kRowCount; ++k)
        table.rowText[static_cast<std::size_t>(k)] = u"Satır " + Units(std::to_string(k)) + u" ŞİĞÜÖÇ, 12:30";
    int first = 100;
    std::apply([&first](auto&... block) { ((std::iota(block.begin(), block.end(), first), first += 50), ...); },
               Values(table));
    return table;
}

// A table that no file of the tests holds, to see what a read leaves alone.
inline model::MessageTable BeforeReadingTable()
{
    model::MessageTable table;
    table.rowText.fill(u"before");
    std::apply([](auto&... block) { (block.fill(-7), ...); }, Values(table));
    return table;
}

// Every value of the six blocks in one row.
inline std::vector<std::int32_t> AllValues(const model::MessageTable& table)
{
    std::vector<std::int32_t> all;
    std::apply([&all](const auto&... block) { (all.insert(all.end(), block.begin(), block.end()), ...); },
               Values(table));
    return all;
}

inline void ExpectSameFileFields(const model::MessageTable& actual, const model::MessageTable& expected)
{
    EXPECT_EQ(actual.rowText, expected.rowText);
    EXPECT_EQ(Values(actual), Values(expected));
}

}  // namespace velnar::file::test
