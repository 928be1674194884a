#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file/RowReadBack.h"
#include "FileTables.h"

namespace velnar::file {
namespace {

struct Row {
    int slot;
    int row;
};

TEST(RowReadBackTest, TextsThatReadBackAreNotReported)
{
    struct Case {
        const char* what;
        Row where;
        std::u16string text;
    };
    const Case cases[] = {
        {"its own marker", {1, 1}, u"1,1,1,"},
        {"a marker of a later row than the next", {1, 1}, u"3,4,31,"},
        {"the next number without comma", {5, 1}, u"10 TL"},
        {"the previous row's marker", {2, 1}, u"2,"},
        {"after the last row there is no marker", {16, 2}, u"33,1,32,"},
        {"key words", {3, 2}, u"SAAT 10:00 SELAM SATIR MODE LIGHT HEIGHT"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model::MessageTable table = test::FullTable();
        table.rowText[static_cast<std::size_t>(model::RowNumber(c.where.slot, c.where.row))] = c.text;
        EXPECT_TRUE(RowsThatWillNotReadBack(table).empty());
    }
}

TEST(RowReadBackTest, TextHoldingTheNextMarkerIsReportedWithTheRowItSpoilsNext)
{
    struct Case {
        const char* what;
        Row where;
        std::u16string text;
        std::string marker;
        Row spoiled;
    };
    const Case cases[] = {
        {"a price in slot 1 row 1", {1, 1}, u"12,50 TL", "\"2,\"", {1, 2}},
        {"slot 1 row 2 before slot 2", {1, 2}, u"KAT 3,5", "\"3,\"", {2, 1}},
        {"two digits: slot 5 row 1", {5, 1}, u"10,00", "\"10,\"", {5, 2}},
        {"slot 16 row 1 before the last row", {16, 1}, u"32,", "\"32,\"", {16, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model::MessageTable table = test::FullTable();
        table.rowText[static_cast<std::size_t>(model::RowNumber(c.where.slot, c.where.row))] = c.text;
        const std::vector<RowMismatch> rows = RowsThatWillNotReadBack(table);

        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].slot, c.where.slot);
        EXPECT_EQ(rows[0].row, c.where.row);
        EXPECT_NE(rows[0].reason.find(c.marker), std::string::npos) << rows[0].reason;
        EXPECT_EQ(rows[1].slot, c.spoiled.slot);
        EXPECT_EQ(rows[1].row, c.spoiled.row);
        EXPECT_NE(rows[1].reason, rows[0].reason);
        EXPECT_FALSE(rows[1].reason.empty());
    }
}

// A cut text puts the marker search ahead of the file; the real markers are
// then text until the one the search waits for, so each marker a text holds
// spoils one more row, and the rows after read back again.
TEST(RowReadBackTest, EachMarkerInACutTextSpoilsOneMoreRow)
{
    model::MessageTable table = test::FullTable();
    table.rowText[0] = u"2,3,4,";
    const std::vector<RowMismatch> rows = RowsThatWillNotReadBack(table);

    ASSERT_EQ(rows.size(), 4u);
    for (int k = 1; k < 4; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(model::RowNumber(rows[static_cast<std::size_t>(k)].slot, rows[static_cast<std::size_t>(k)].row), k);
        EXPECT_NE(rows[static_cast<std::size_t>(k)].reason.find("\"" + std::to_string(k + 1) + ",\""), std::string::npos);
    }
}

}  // namespace
}  // namespace velnar::file
