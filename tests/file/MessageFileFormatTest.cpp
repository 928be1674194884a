#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"
#include "file/RowReadBack.h"
#include "FileTables.h"

namespace velnar::file {
namespace {

using model::MessageTable;
using model::RowNumber;
using test::Units;

// The fresh table's file: its 32 markers, then an all-zero tail.
const std::u16string kFreshFile = EncodeMessageFile(MessageTable{});
const std::u16string kAllMarkers = kFreshFile.substr(0, kFreshFile.find(u"SATIR"));
const std::u16string kZeroTail = kFreshFile.substr(kAllMarkers.size());

// UTF-16LE, no byte-order mark: markers with texts, then six blocks; -1 and -4 read back.
TEST(MessageFileFormatTest, LayoutUnitForUnit)
{
    const std::string markers =
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,";
    const std::string zeros(16, '0');
    std::string bytes;
    for (char c : markers + "SATIR" + zeros + "SAAT" + zeros + "SEL" + zeros + "MODE" + zeros + zeros + "LIGHT" +
                      zeros + zeros + "HEIGHT" + zeros + zeros)
        bytes += {c, '\0'};
    EXPECT_EQ(MessageFileBytes(MessageTable{}), bytes);

    MessageTable table;
    std::apply([](auto&... block) { (std::iota(block.begin(), block.end(), 0), ...); }, test::Values(table));
    const std::u16string slots = u"0123456789:;<=>?", rows = slots + u"@ABCDEFGHIJKLMNO";
    EXPECT_EQ(EncodeMessageFile(table), Units(markers) + u"SATIR" + slots + u"SAAT" + slots + u"SEL" + slots + u"MODE" +
                                            u"02468:<>13579;=?@BDFHJLNACEGIKMO" + u"LIGHT" + rows + u"HEIGHT" + rows);
    table.slotSelected[0] = -1;
    table.rowAnimation[RowNumber(9, 1)] = -4;
    const std::u16string file = EncodeMessageFile(table);
    EXPECT_NE(file.find(u"SEL/123"), std::u16string::npos);
    EXPECT_NE(file.find(u"13579;=?,BD"), std::u16string::npos);
    MessageTable readBack;
    ReadMessageFile(file, readBack);
    EXPECT_EQ(test::Values(readBack), test::Values(table));
}

// A text holding the next row's marker spoils rows, which are reported.
TEST(MessageFileFormatTest, TextsReadBackUnlessTheyHoldTheNextMarker)
{
    struct Case {
        const char* what;
        int slot, row;
        std::u16string text;
        std::vector<std::pair<int, std::string>> rows;  // row number, part of the reason
    };
    const Case cases[] = {
        {"Turkish letters", 1, 1, u"ŞİĞÜÖÇ ışğüöç İSTANBUL", {}},
        {"CR LF inside", 8, 2, u"ÜST SATIR\r\nALT SATIR\r\n", {}},
        {"empty", 16, 2, u"", {}},
        {"numbers and commas before a two-digit marker", 8, 2, u"12:30, A,B 1,5 TL 0,99 100,00", {}},
        {"own, earlier and later markers, 33, the next number without comma", 1, 1, u"1,1,15,16,33, 2 TL 3,4,31,", {}},
        {"key words before the tail, with digits after them", 16, 2,
         u"SAAT 10:00 SELAM MODE LIGHT HEIGHT SATIR0000000000000000SEL0123", {}},
        {"a whole tail", 16, 2, kZeroTail, {}},
        {"outside the basic plane, a lone surrogate, NUL", 5, 1, std::u16string(u"\U0001F600 a\xD800" u"b") + u'\0',
         {}},
        {"a price in slot 1 row 1", 1, 1, u"12,50 TL", {{0, "holds \"2,\""}, {1, "marker \"2,\""}}},
        {"slot 1 row 2 before slot 2", 1, 2, u"KAT 3,5", {{1, "holds \"3,\""}, {2, "marker \"3,\""}}},
        {"two digits: slot 5 row 1", 5, 1, u"10,00", {{8, "holds \"10,\""}, {9, "marker \"10,\""}}},
        {"slot 16 row 1 before the last row", 16, 1, u"32,", {{30, "holds \"32,\""}, {31, "marker \"32,\""}}},
        {"each marker spoils one more row", 1, 1, u"2,3,4,",
         {{0, "holds \"2,\""}, {1, "marker \"2,\""}, {2, "marker \"3,\""}, {3, "marker \"4,\""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageTable table = test::FullTable();
        table.rowText[static_cast<std::size_t>(RowNumber(c.slot, c.row))] = c.text;
        const std::vector<RowMismatch> rows = RowsThatWillNotReadBack(table);
        ASSERT_EQ(rows.size(), c.rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(RowNumber(rows[i].slot, rows[i].row), c.rows[i].first);
            EXPECT_NE(rows[i].reason.find(c.rows[i].second), std::string::npos) << rows[i].reason;
        }
        if (rows.empty()) {
            MessageTable readBack = test::BeforeReadingTable();
            ReadMessageFileBytes(MessageFileBytes(table), readBack);
            test::ExpectSameFileFields(readBack, table);
        }
    }
}

// Values come from the tail as written, else from a scan for the key words.
TEST(MessageFileFormatTest, MarkersTheTailRuleAndThePlainScan)
{
    using Values = std::function<void(MessageTable&)>;
    const MessageTable fresh;
    const Values zeros = [&fresh](MessageTable& t) { test::Values(t) = test::Values(fresh); };
    const std::u16string ones(16, u'1');
    struct Case { const char* what; std::u16string file; std::map<int, std::u16string> texts; Values values; };
    const Case cases[] = {
        {"units before the first marker are lost", u"xyz1,abc2,def" + kZeroTail, {{0, u"abc"}, {1, u"def"}}, zeros},
        {"only the next marker counts", u"1,3,x12,502,y" + kZeroTail, {{0, u"3,x1"}, {1, u"502,y"}}, zeros},
        {"there is no marker after 32", kAllMarkers + u"z33,w34," + kZeroTail, {{31, u"z33,w34,"}}, zeros},
        {"a marker needs its comma", u"1,a2b2;c2,d" + kZeroTail, {{0, u"a2b2;c"}, {1, u"d"}}, zeros},
        {"the last digit of LIGHT is brightness of slot 16 row 2",
         kAllMarkers + std::u16string(kZeroTail).replace(kZeroTail.find(u"HEIGHT") - 1, 1, u"8"), {},
         [&](MessageTable& t) { zeros(t); t.rowBrightness[RowNumber(16, 2)] = 8; }},
        {"the empty file", u"", {}, nullptr},
        {"a key word cut short by the end is text", u"1,aSATI", {{0, u"aSATI"}}, nullptr},
        {"after SATIR no unit belongs to a row", u"1,aSATIR" + ones + u"2,bSAAT" + ones + u"junk",
         {{0, u"a"}}, [](MessageTable& t) { t.slotTwoRows.fill(1); t.slotClock.fill(1); }},
        {"key words before the first marker", u"MODE" + std::u16string(32, u'2') + u"1,a", {{0, u"a"}},
         [](MessageTable& t) { t.rowAnimation.fill(2); }},
        {"a block cut short by the end stores what it has", u"1,aLIGHT888", {{0, u"a"}},
         [](MessageTable& t) { t.rowBrightness[0] = t.rowBrightness[1] = t.rowBrightness[2] = 8; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageTable expected = test::BeforeReadingTable();
        expected.rowText = {};
        for (const auto& [row, text] : c.texts)
            expected.rowText[static_cast<std::size_t>(row)] = text;
        if (c.values)
            c.values(expected);
        MessageTable table = test::BeforeReadingTable();
        ReadMessageFile(c.file, table);
        test::ExpectSameFileFields(table, expected);
    }
}

// Every cut of a valid file loads what it holds, reading nothing past its end.
TEST(MessageFileFormatTest, EveryCutLoadsWhatItHolds)
{
    const MessageTable written = test::FullTable(), before = test::BeforeReadingTable();
    const std::string bytes = MessageFileBytes(written) + "1";
    const std::vector<std::int32_t> untouched = test::AllValues(before), wrote = test::AllValues(written);
    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        SCOPED_TRACE(length);
        const auto cut = std::make_unique<char[]>(length);
        std::copy_n(bytes.begin(), length, cut.get());
        MessageTable table = before;
        ReadMessageFileBytes(length ? std::string_view(cut.get(), length) : std::string_view(), table);
        for (std::size_t k = 0; k < table.rowText.size(); ++k) {
            // A text cut inside the next marker holds the marker's start.
            const std::u16string next = k + 1 < table.rowText.size() ? Units(std::to_string(k + 2) + ",") : u"SATIR";
            ASSERT_EQ((written.rowText[k] + next).compare(0, table.rowText[k].size(), table.rowText[k]), 0) << k;
        }
        const std::vector<std::int32_t> loaded = test::AllValues(table);
        for (std::size_t i = 0; i < loaded.size(); ++i)
            ASSERT_TRUE(loaded[i] == untouched[i] || loaded[i] == wrote[i]) << "value " << i;
        if (length + 1 >= bytes.size())
            test::ExpectSameFileFields(table, written);
    }
}

}  // namespace
}  // namespace velnar::file
