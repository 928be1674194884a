#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
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

// The file of a fresh table, pinned unit for unit below: its 32 markers,
// then the tail of a table whose values are all 0.
const std::u16string kFreshFile = EncodeMessageFile(MessageTable{});
const std::u16string kAllMarkers = kFreshFile.substr(0, kFreshFile.find(u"SATIR"));
const std::u16string kZeroTail = kFreshFile.substr(kAllMarkers.size());

std::u16string Digits(std::size_t count, char digit)
{
    return Units(std::string(count, digit));
}

std::u16string WithUnit(std::u16string file, std::size_t position, char16_t unit)
{
    file[position] = unit;
    return file;
}

// Little-endian UTF-16 without a byte-order mark, byte for byte.
TEST(MessageFileFormatTest, FreshTableGivesThe258UnitFile)
{
    const std::string ascii =
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,"
        "SATIR0000000000000000"
        "SAAT0000000000000000"
        "SEL0000000000000000"
        "MODE00000000000000000000000000000000"
        "LIGHT00000000000000000000000000000000"
        "HEIGHT00000000000000000000000000000000";
    std::string bytes;
    for (char c : ascii)
        bytes += {c, '\0'};
    ASSERT_EQ(bytes.size(), 2 * 258u);

    EXPECT_EQ(EncodeMessageFile(MessageTable{}), Units(ascii));
    EXPECT_EQ(MessageFileBytes(MessageTable{}), bytes);
}

// One value lands at one place of the tail, after its block's key word, as
// the unit 48 + value, so that values without a digit read back too.
TEST(MessageFileFormatTest, EachValueIsOneUnitAtItsPlaceInItsBlock)
{
    struct Case {
        const char* what;
        std::function<void(MessageTable&)> set;
        const char* keyWord;
        std::size_t position;
        char16_t unit;
    };
    const Case cases[] = {
        {"two rows of slot 16", [](auto& t) { t.slotTwoRows[15] = 1; }, "SATIR", 15, u'1'},
        {"selected of slot 9", [](auto& t) { t.slotSelected[8] = 1; }, "SEL", 8, u'1'},
        // Animation: row 1 of slots 1..8, row 2 of slots 1..8, then the same for 9..16.
        {"animation of slot 2 row 1", [](auto& t) { t.rowAnimation[RowNumber(2, 1)] = 3; }, "MODE", 1, u'3'},
        {"animation of slot 1 row 2", [](auto& t) { t.rowAnimation[RowNumber(1, 2)] = 4; }, "MODE", 8, u'4'},
        {"animation of slot 8 row 2", [](auto& t) { t.rowAnimation[RowNumber(8, 2)] = 2; }, "MODE", 15, u'2'},
        {"animation of slot 12 row 2", [](auto& t) { t.rowAnimation[RowNumber(12, 2)] = 4; }, "MODE", 27, u'4'},
        // Brightness and speed: row-number order.
        {"brightness of slot 1 row 2", [](auto& t) { t.rowBrightness[RowNumber(1, 2)] = 4; }, "LIGHT", 1, u'4'},
        {"speed of slot 9 row 2", [](auto& t) { t.rowSpeed[RowNumber(9, 2)] = 4; }, "HEIGHT", 17, u'4'},
        // A list left without a selection gives -1 or -4.
        {"selected of slot 1 at -1", [](auto& t) { t.slotSelected[0] = -1; }, "SEL", 0, u'/'},
        {"animation of slot 9 row 1 at -4", [](auto& t) { t.rowAnimation[RowNumber(9, 1)] = -4; }, "MODE", 16, u','},
        {"speed of slot 1 row 1 at 10", [](auto& t) { t.rowSpeed[0] = 10; }, "HEIGHT", 0, u':'},
        {"clock of slot 16 at 17", [](auto& t) { t.slotClock[15] = 17; }, "SAAT", 15, u'A'},
        {"brightness of slot 16 row 2 at -48", [](auto& t) { t.rowBrightness[31] = -48; }, "LIGHT", 31, u'\0'},
        {"two rows of slot 5 at 65487", [](auto& t) { t.slotTwoRows[4] = 65487; }, "SATIR", 4, u'\xFFFF'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageTable table;
        c.set(table);
        std::u16string file = EncodeMessageFile(table);
        const std::size_t at = kFreshFile.find(Units(c.keyWord)) + std::string(c.keyWord).size() + c.position;
        EXPECT_EQ(file[at], c.unit);
        MessageTable readBack;
        ReadMessageFile(file, readBack);
        EXPECT_EQ(test::Values(readBack), test::Values(table));
        file[at] = u'0';
        EXPECT_EQ(file, kFreshFile);
    }
}

// Any text without the next row's marker reads back whole from the bytes on
// disk, in the first row, before a two-digit marker and before the tail.
TEST(MessageFileFormatTest, FullTablesReadBackWithAnyTextThatHoldsNoNextMarker)
{
    struct Case {
        const char* what;
        std::u16string text;
    };
    const Case cases[] = {
        {"Turkish letters", u"ŞİĞÜÖÇ ışğüöç İSTANBUL"},
        {"CR LF inside", u"ÜST SATIR\r\nALT SATIR\r\n"},
        {"empty", u""},
        {"time, comma, blank, letters between commas", u"12:30, A,B"},
        {"numbers and commas", u"1,5 TL 0,99 100,00"},
        {"own and earlier markers, and 33", u"1,1,15,16,33,"},
        {"the next number without comma, later markers", u"2 TL 17 TL 3,4,31,"},
        {"key words", u"SAAT 10:00 SELAM SATIR MODE LIGHT HEIGHT"},
        {"key words with digits after them", u"SATIR0000000000000000SEL0123456789012345"},
        {"a whole tail", kZeroTail},
        {"outside the basic plane", u"\U0001F600 \U00010348"},
        {"a lone surrogate and NUL", std::u16string(u"a\xD800" u"b") + u'\0' + u"c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageTable table = test::FullTable();
        table.rowText[0] = table.rowText[15] = table.rowText[31] = c.text;
        MessageTable readBack = test::BeforeReadingTable();
        ReadMessageFileBytes(MessageFileBytes(table), readBack);
        test::ExpectSameFileFields(readBack, table);
        EXPECT_TRUE(RowsThatWillNotReadBack(table).empty());
    }
}

// The file has no escape: a text holding the next row's marker is cut there,
// and each marker it holds spoils one more row; the rows after read back.
TEST(MessageFileFormatTest, RowsThatWillNotReadBackAreReportedInOrder)
{
    struct Case {
        const char* what;
        int slot;
        int row;
        std::u16string text;
        std::vector<std::pair<int, std::string>> rows;  // row number, part of the reason
    };
    const Case cases[] = {
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
    }
}

// Markers are looked for one at a time. A file that ends with the tail as
// written takes its values from there; any other is scanned with the key
// words as structure wherever they stand, and a missing block keeps its values.
TEST(MessageFileFormatTest, MarkersTheTailRuleAndThePlainScan)
{
    using Values = std::function<void(MessageTable&)>;
    const MessageTable fresh;
    const Values zeros = [&fresh](MessageTable& t) { test::Values(t) = test::Values(fresh); };
    struct Case {
        const char* what;
        std::u16string file;
        std::map<int, std::u16string> texts;
        Values values;
    };
    const Case cases[] = {
        {"units before the first marker are lost", u"xyz1,abc2,def" + kZeroTail, {{0, u"abc"}, {1, u"def"}}, zeros},
        {"no marker 1 loads no text", u"2,abc3,def" + kZeroTail, {}, zeros},
        {"markers stopping after 5", u"1,a2,b3,c4,d5,e and 7,x 8,y" + kZeroTail,
         {{0, u"a"}, {1, u"b"}, {2, u"c"}, {3, u"d"}, {4, u"e and 7,x 8,y"}}, zeros},
        {"only the next marker counts", u"1,3,x12,502,y" + kZeroTail, {{0, u"3,x1"}, {1, u"502,y"}}, zeros},
        {"two-digit markers from 10 on", u"1,2,3,4,5,6,7,8,9,i10,j11,k" + kZeroTail,
         {{8, u"i"}, {9, u"j"}, {10, u"k"}}, zeros},
        {"there is no marker after 32", kAllMarkers + u"z33,w34," + kZeroTail, {{31, u"z33,w34,"}}, zeros},
        {"a marker needs its comma", u"1,a2b2;c2,d" + kZeroTail, {{0, u"a2b2;c"}, {1, u"d"}}, zeros},
        {"the last digit of LIGHT is brightness of slot 16 row 2",
         kAllMarkers + WithUnit(kZeroTail, kZeroTail.find(u"HEIGHT") - 1, u'8'), {},
         [&](MessageTable& t) { zeros(t); t.rowBrightness[RowNumber(16, 2)] = 8; }},
        {"the empty file", u"", {}, nullptr},
        {"a key word cut short by the end is text", u"1,aSATI", {{0, u"aSATI"}}, nullptr},
        {"without a tail, SATIR ends the texts", u"1,abcSATIR" + Digits(16, '1') + u"2,xyz", {{0, u"abc"}},
         [](MessageTable& t) { t.slotTwoRows.fill(1); }},
        {"after SATIR no unit belongs to a row", u"1,aSATIR" + Digits(16, '1') + u"2,bSAAT" + Digits(16, '1') + u"junk",
         {{0, u"a"}}, [](MessageTable& t) { t.slotTwoRows.fill(1); t.slotClock.fill(1); }},
        {"only MODE", u"1,abMODE" + Digits(32, '3'), {{0, u"ab"}}, [](MessageTable& t) { t.rowAnimation.fill(3); }},
        {"key words before the first marker", u"MODE" + Digits(32, '2') + u"1,a", {{0, u"a"}},
         [](MessageTable& t) { t.rowAnimation.fill(2); }},
        {"a block cut short by the end stores what it has", u"1,aLIGHT888", {{0, u"a"}},
         [](MessageTable& t) { t.rowBrightness[0] = t.rowBrightness[1] = t.rowBrightness[2] = 8; }},
        {"SEL inside a text takes 16 units and the text goes on", u"1,SELAMUN ALEYKUM 1234562,b",
         {{0, u"456"}, {1, u"b"}},
         [](MessageTable& t) {
             for (std::size_t i = 0; i < 16; ++i)
                 t.slotSelected[i] = u"AMUN ALEYKUM 123"[i] - 48;
         }},
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

TEST(MessageFileFormatTest, OnlyATailWithEveryKeyWordAtItsPlaceCounts)
{
    struct Case {
        const char* what;
        std::u16string file;
        bool tail;
    };
    const Case cases[] = {
        {"as written", kFreshFile, true},
        {"the tail alone", kZeroTail, true},
        {"one unit short", kAllMarkers + kZeroTail.substr(1), false},
        {"one unit more", kFreshFile + u"0", false},
        {"a block one value longer", kAllMarkers + u"SATIR0" + kZeroTail.substr(5, kZeroTail.size() - 6), false},
        {"a key word changed", kAllMarkers + WithUnit(kZeroTail, kZeroTail.find(u"SAAT") + 3, u'X'), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EndsWithAttributeTail(c.file), c.tail);
    }
}

// Every cut of a valid file, up to one odd byte beyond it, from a buffer of
// exactly its size (a read past the end shows under AddressSanitizer), loads
// what it holds: each text the start of its own, whole once the next marker
// is in, each value written or untouched; an odd last byte is no unit.
TEST(MessageFileFormatTest, EveryTruncationLoadsWhatItHolds)
{
    const MessageTable written = test::FullTable();
    const MessageTable before = test::BeforeReadingTable();
    const std::u16string units = EncodeMessageFile(written);
    const std::string bytes = MessageFileBytes(written) + "1";

    // Where each row's text begins, and where SATIR after the last one ends.
    std::size_t textStart[model::kRowCount + 1] = {2};
    for (int k = 0; k < model::kRowCount; ++k) {
        const std::u16string after = k + 1 < model::kRowCount ? Units(std::to_string(k + 2) + ",") : u"SATIR";
        textStart[k + 1] = units.find(after, textStart[k]) + after.size();
        ASSERT_LT(textStart[k + 1], units.size());
    }
    const std::vector<std::int32_t> untouched = test::AllValues(before), wrote = test::AllValues(written);

    for (std::size_t length = 0; length <= bytes.size(); ++length) {
        SCOPED_TRACE(length);
        const std::size_t whole = length / 2;
        const auto cutBytes = std::make_unique<char[]>(length);
        const auto cutUnits = std::make_unique<char16_t[]>(whole);
        std::copy_n(bytes.begin(), length, cutBytes.get());
        std::copy_n(units.begin(), whole, cutUnits.get());
        MessageTable table = before;
        ReadMessageFile(std::u16string_view(cutUnits.get(), whole), table);
        MessageTable fromBytes = before;
        ReadMessageFileBytes(std::string_view(cutBytes.get(), length), fromBytes);
        ASSERT_EQ(fromBytes.rowText, table.rowText);
        ASSERT_EQ(test::AllValues(fromBytes), test::AllValues(table));

        for (int k = 0; k < model::kRowCount; ++k) {
            const std::u16string& text = table.rowText[static_cast<std::size_t>(k)];
            ASSERT_EQ(units.compare(textStart[k], text.size(), text), 0) << "row number " << k;
            if (whole >= textStart[k + 1]) {
                ASSERT_EQ(text, written.rowText[static_cast<std::size_t>(k)]) << "row number " << k;
            }
        }
        const std::vector<std::int32_t> loaded = test::AllValues(table);
        for (std::size_t i = 0; i < loaded.size(); ++i)
            ASSERT_TRUE(loaded[i] == untouched[i] || loaded[i] == wrote[i]) << "value " << i;
        if (whole == units.size())
            test::ExpectSameFileFields(table, written);
    }

    // An empty view may carry no buffer at all.
    MessageTable fromNothing = before;
    ReadMessageFileBytes(std::string_view(), fromNothing);
    EXPECT_EQ(fromNothing.rowText, MessageTable().rowText);
}

}  // namespace
}  // namespace velnar::file
