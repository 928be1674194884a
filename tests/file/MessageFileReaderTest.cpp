#include <gtest/gtest.h>

#include <map>
#include <string>

#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"
#include "FileTables.h"

namespace velnar::file {
namespace {

using test::BeforeReadingTable;
using test::Units;

std::u16string Digits(std::size_t count, char digit)
{
    return Units(std::string(count, digit));
}

// The tail of a table whose values are all 0.
std::u16string ZeroTail()
{
    return u"SATIR" + Digits(16, '0') + u"SAAT" + Digits(16, '0') + u"SEL" + Digits(16, '0') + u"MODE" +
           Digits(32, '0') + u"LIGHT" + Digits(32, '0') + u"HEIGHT" + Digits(32, '0');
}

std::u16string AllMarkers()
{
    std::u16string markers;
    for (int n = 1; n <= model::kRowCount; ++n)
        markers += Units(std::to_string(n) + ",");
    return markers;
}

model::MessageTable Read(std::u16string_view file)
{
    model::MessageTable table = BeforeReadingTable();
    ReadMessageFile(file, table);
    return table;
}

void ExpectTexts(const model::MessageTable& table, const std::map<int, std::u16string>& texts)
{
    for (int k = 0; k < model::kRowCount; ++k) {
        const auto found = texts.find(k);
        EXPECT_EQ(table.rowText[static_cast<std::size_t>(k)], found == texts.end() ? u"" : found->second)
            << "row number " << k;
    }
}

TEST(MessageFileReaderTest, MarkersAreLookedForOneAtATime)
{
    struct Case {
        const char* what;
        std::u16string file;
        std::map<int, std::u16string> texts;
    };
    const Case cases[] = {
        {"empty file", u"", {}},
        {"units before the first marker are lost", u"xyz1,abc2,def" + ZeroTail(), {{0, u"abc"}, {1, u"def"}}},
        {"no marker 1 loads no text", u"2,abc3,def" + ZeroTail(), {}},
        {"markers stopping after 5", u"1,a2,b3,c4,d5,e and 7,x 8,y" + ZeroTail(),
         {{0, u"a"}, {1, u"b"}, {2, u"c"}, {3, u"d"}, {4, u"e and 7,x 8,y"}}},
        {"only the next marker counts", u"1,3,x12,502,y" + ZeroTail(), {{0, u"3,x1"}, {1, u"502,y"}}},
        {"two-digit markers from 10 on", u"1,2,3,4,5,6,7,8,9,i10,j11,k" + ZeroTail(),
         {{8, u"i"}, {9, u"j"}, {10, u"k"}}},
        {"there is no marker after 32", AllMarkers() + u"z33,w34," + ZeroTail(), {{31, u"z33,w34,"}}},
        {"a marker needs its comma", u"1,a2b2;c2,d" + ZeroTail(), {{0, u"a2b2;c"}, {1, u"d"}}},
        {"without a tail, SATIR ends the texts", u"1,abcSATIR" + Digits(16, '1') + u"2,xyz",
         {{0, u"abc"}}},
        {"a key word cut short by the end is text", u"1,aSATI", {{0, u"aSATI"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectTexts(Read(c.file), c.texts);
    }
}

TEST(MessageFileReaderTest, EmptyFileEmptiesTheTextsAndKeepsEveryValue)
{
    const model::MessageTable table = Read(u"");
    const model::MessageTable before = BeforeReadingTable();
    ExpectTexts(table, {});
    EXPECT_EQ(table.rowAnimation, before.rowAnimation);
    EXPECT_EQ(table.rowBrightness, before.rowBrightness);
    EXPECT_EQ(table.rowSpeed, before.rowSpeed);
    EXPECT_EQ(table.slotTwoRows, before.slotTwoRows);
    EXPECT_EQ(table.slotClock, before.slotClock);
    EXPECT_EQ(table.slotSelected, before.slotSelected);
}

TEST(MessageFileReaderTest, BrightnessThreeOfSlot16Row2IsTheLastDigitOfLight)
{
    std::u16string file = AllMarkers() + ZeroTail();
    file[file.find(u"HEIGHT") - 1] = u'8';
    const model::MessageTable table = Read(file);

    EXPECT_EQ(table.rowBrightness[model::RowNumber(16, 2)], 8);
    EXPECT_EQ(table.rowBrightness[model::RowNumber(16, 1)], 0);
    EXPECT_EQ(table.rowSpeed[0], 0);
}

TEST(MessageFileReaderTest, AnimationDigitsGoToTheirRowsInStorageOrder)
{
    struct Case {
        std::size_t position;
        int slot;
        int row;
    };
    const Case cases[] = {{0, 1, 1}, {7, 8, 1}, {8, 1, 2}, {15, 8, 2}, {16, 9, 1}, {23, 16, 1}, {24, 9, 2}, {31, 16, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        std::u16string file = ZeroTail();
        file[file.find(u"MODE") + 4 + c.position] = u'3';
        const model::MessageTable table = Read(file);
        for (int k = 0; k < model::kRowCount; ++k)
            EXPECT_EQ(table.rowAnimation[static_cast<std::size_t>(k)], k == model::RowNumber(c.slot, c.row) ? 3 : 0);
    }
}

TEST(MessageFileReaderTest, ValuesAreCodeMinus48Unchecked)
{
    std::u16string file = AllMarkers() + ZeroTail();
    file[file.find(u"SATIR") + 5] = u'A';
    file[file.find(u"SAAT") + 4] = u'/';
    file[file.find(u"SEL") + 3] = u'ü';
    const model::MessageTable table = Read(file);

    EXPECT_EQ(table.slotTwoRows[0], 17);
    EXPECT_EQ(table.slotClock[0], -1);
    EXPECT_EQ(table.slotSelected[0], 0xFC - 48);
}

// Without the tail every key word is structure wherever it stands; blocks
// whose key word is missing keep what they held.
TEST(MessageFileReaderTest, WithoutATailKeyWordsStoreTheirBlocksWhereverTheyStand)
{
    const model::MessageTable before = BeforeReadingTable();
    {
        SCOPED_TRACE("only MODE");
        const model::MessageTable table = Read(u"1,abMODE" + Digits(32, '3'));
        ExpectTexts(table, {{0, u"ab"}});
        EXPECT_EQ(table.rowAnimation[0], 3);
        EXPECT_EQ(table.rowAnimation[31], 3);
        EXPECT_EQ(table.rowBrightness, before.rowBrightness);
        EXPECT_EQ(table.slotTwoRows, before.slotTwoRows);
    }
    {
        SCOPED_TRACE("SEL inside a text takes 16 units and the text goes on");
        const model::MessageTable table = Read(u"1,SELAMUN ALEYKUM 1234562,b");
        ExpectTexts(table, {{0, u"456"}, {1, u"b"}});
        EXPECT_EQ(table.slotSelected[0], u'A' - 48);
        EXPECT_EQ(table.slotSelected[15], u'3' - 48);
    }
    {
        SCOPED_TRACE("a block cut short by the end stores what it has");
        const model::MessageTable table = Read(u"1,aLIGHT888");
        EXPECT_EQ(table.rowBrightness[2], 8);
        EXPECT_EQ(table.rowBrightness[3], -7);
    }
    {
        SCOPED_TRACE("key words before the first marker");
        const model::MessageTable table = Read(u"MODE" + Digits(32, '2') + u"1,a");
        ExpectTexts(table, {{0, u"a"}});
        EXPECT_EQ(table.rowAnimation[5], 2);
    }
    {
        SCOPED_TRACE("after SATIR no unit belongs to a row");
        const model::MessageTable table = Read(u"1,aSATIR" + Digits(16, '1') + u"2,bSAAT" + Digits(16, '1') + u"junk");
        ExpectTexts(table, {{0, u"a"}});
        EXPECT_EQ(table.slotClock[15], 1);
        EXPECT_EQ(table.slotSelected, before.slotSelected);
    }
}

TEST(MessageFileReaderTest, WithTheTailKeyWordsInTextsAreText)
{
    const std::u16string texts = u"1,SAAT 10:00 SELAM2,SATIR MODE LIGHT HEIGHT3,SEL";
    const model::MessageTable table = Read(texts + ZeroTail());
    ExpectTexts(table, {{0, u"SAAT 10:00 SELAM"}, {1, u"SATIR MODE LIGHT HEIGHT"}, {2, u"SEL"}});
    EXPECT_EQ(table.slotSelected[0], 0);
    EXPECT_EQ(table.rowAnimation[0], 0);
}

TEST(MessageFileReaderTest, OnlyATailWithEveryKeyWordAtItsPlaceCounts)
{
    const std::u16string tail = ZeroTail();
    struct Case {
        const char* what;
        std::u16string file;
        bool tail;
    };
    const Case cases[] = {
        {"as written", AllMarkers() + tail, true},
        {"the tail alone", tail, true},
        {"one unit short", AllMarkers() + tail.substr(1), false},
        {"one unit more", AllMarkers() + tail + u"0", false},
        {"a block one value longer", AllMarkers() + u"SATIR0" + tail.substr(5, tail.size() - 6), false},
        {"a key word changed", AllMarkers() + u"SATIR" + Digits(16, '0') + u"SAAX" + tail.substr(25), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(EndsWithAttributeTail(c.file), c.tail);
    }

    // A text holding SEL reads back only with the tail in its place.
    const std::u16string text = u"1,SELAMUN ALEYKUM 123456";
    EXPECT_EQ(Read(text + tail).rowText[0], u"SELAMUN ALEYKUM 123456");
    EXPECT_EQ(Read(text + tail + u"0").rowText[0], u"456");
}

TEST(MessageFileReaderTest, FinalOddByteIsIgnored)
{
    const std::string bytes = MessageFileBytes(test::FullTable());
    model::MessageTable whole = BeforeReadingTable();
    ReadMessageFileBytes(bytes, whole);
    model::MessageTable withOddByte = BeforeReadingTable();
    ReadMessageFileBytes(bytes + "1", withOddByte);

    test::ExpectSameFileFields(withOddByte, test::FullTable());
    test::ExpectSameFileFields(withOddByte, whole);

    model::MessageTable oneByte = BeforeReadingTable();
    ReadMessageFileBytes("1", oneByte);
    ExpectTexts(oneByte, {});
    EXPECT_EQ(oneByte.rowSpeed, BeforeReadingTable().rowSpeed);
}

}  // namespace
}  // namespace velnar::file
