#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"
#include "FileTables.h"

namespace velnar::file {
namespace {

using test::Units;

TEST(MessageFileWriterTest, FreshTableGivesThe258UnitFile)
{
    const std::u16string expected = Units(
        "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,"
        "SATIR0000000000000000"
        "SAAT0000000000000000"
        "SEL0000000000000000"
        "MODE00000000000000000000000000000000"
        "LIGHT00000000000000000000000000000000"
        "HEIGHT00000000000000000000000000000000");
    ASSERT_EQ(expected.size(), 258u);

    const model::MessageTable fresh;
    EXPECT_EQ(EncodeMessageFile(fresh), expected);
}

TEST(MessageFileWriterTest, BytesAreLittleEndianUnitsWithoutByteOrderMark)
{
    model::MessageTable table;
    table.rowText[0] = u"Ş\u20AC";  // U+015E, U+20AC
    const std::string bytes = MessageFileBytes(table);

    ASSERT_EQ(bytes.size(), 2 * (258u + 2u));
    EXPECT_EQ(bytes.substr(0, 8), std::string("1\0,\0\x5E\x01\xAC\x20", 8));
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("0\0000\000", 4));
}

TEST(MessageFileWriterTest, TextsFollowTheirMarkersInRowNumberOrder)
{
    model::MessageTable table;
    for (int slot = 1; slot <= model::kSlotCount; ++slot) {
        for (int row = 1; row <= 2; ++row)
            table.rowText[static_cast<std::size_t>(model::RowNumber(slot, row))] =
                Units("s" + std::to_string(slot) + "r" + std::to_string(row));
    }
    const std::u16string file = EncodeMessageFile(table);

    EXPECT_EQ(file.rfind(u"1,s1r12,s1r23,s2r14,s2r25,s3r1", 0), 0u);
    EXPECT_NE(file.find(u"9,s5r110,s5r211,s6r1"), std::u16string::npos);
    EXPECT_NE(file.find(u"31,s16r132,s16r2SATIR"), std::u16string::npos);
}

// One value set to a digit in an otherwise fresh table lands at exactly one
// place of the tail: the block's key word, then its position in the block.
TEST(MessageFileWriterTest, EachValueLandsAtItsPlaceInItsBlock)
{
    struct Case {
        const char* what;
        std::function<void(model::MessageTable&)> set;
        const char* keyWord;
        std::size_t position;
        char16_t digit;
    };
    using model::RowNumber;
    const Case cases[] = {
        {"two rows of slot 1", [](auto& t) { t.slotTwoRows[0] = 1; }, "SATIR", 0, u'1'},
        {"two rows of slot 16", [](auto& t) { t.slotTwoRows[15] = 1; }, "SATIR", 15, u'1'},
        {"clock of slot 3", [](auto& t) { t.slotClock[2] = 1; }, "SAAT", 2, u'1'},
        {"selected of slot 9", [](auto& t) { t.slotSelected[8] = 1; }, "SEL", 8, u'1'},
        // Animation: row 1 of slots 1..8, row 2 of slots 1..8, then the same for 9..16.
        {"animation of slot 2 row 1", [](auto& t) { t.rowAnimation[RowNumber(2, 1)] = 3; }, "MODE", 1, u'3'},
        {"animation of slot 1 row 2", [](auto& t) { t.rowAnimation[RowNumber(1, 2)] = 4; }, "MODE", 8, u'4'},
        {"animation of slot 8 row 2", [](auto& t) { t.rowAnimation[RowNumber(8, 2)] = 2; }, "MODE", 15, u'2'},
        {"animation of slot 9 row 1", [](auto& t) { t.rowAnimation[RowNumber(9, 1)] = 1; }, "MODE", 16, u'1'},
        {"animation of slot 12 row 2", [](auto& t) { t.rowAnimation[RowNumber(12, 2)] = 4; }, "MODE", 27, u'4'},
        // Brightness and speed: row-number order.
        {"brightness of slot 1 row 2", [](auto& t) { t.rowBrightness[RowNumber(1, 2)] = 4; }, "LIGHT", 1, u'4'},
        {"brightness of slot 16 row 2", [](auto& t) { t.rowBrightness[RowNumber(16, 2)] = 8; }, "LIGHT", 31, u'8'},
        {"speed of slot 2 row 1", [](auto& t) { t.rowSpeed[RowNumber(2, 1)] = 8; }, "HEIGHT", 2, u'8'},
        {"speed of slot 9 row 2", [](auto& t) { t.rowSpeed[RowNumber(9, 2)] = 4; }, "HEIGHT", 17, u'4'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        model::MessageTable table;
        c.set(table);
        const std::u16string file = EncodeMessageFile(table);
        ASSERT_EQ(file.size(), 258u);

        const std::size_t key = file.find(Units(c.keyWord));
        ASSERT_NE(key, std::u16string::npos);
        const std::size_t at = key + std::string(c.keyWord).size() + c.position;
        EXPECT_EQ(file[at], c.digit);
        std::u16string others = file;
        others[at] = u'0';
        EXPECT_EQ(others, EncodeMessageFile(model::MessageTable{}));
    }
}

// Values without a digit keep one unit each, 48 + value, and read back.
TEST(MessageFileWriterTest, ValuesOutsideZeroToNineAreOneUnitEach)
{
    struct Case {
        std::int32_t value;
        char16_t unit;
    };
    const Case cases[] = {{-1, u'/'}, {-4, u','}, {10, u':'}, {17, u'A'}, {-48, u'\0'}, {65487, u'\xFFFF'}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        model::MessageTable table;
        table.rowAnimation[model::RowNumber(9, 1)] = c.value;
        table.rowBrightness[31] = c.value;
        table.slotSelected[0] = c.value;
        const std::u16string file = EncodeMessageFile(table);

        ASSERT_EQ(file.size(), 258u);
        EXPECT_EQ(file[file.find(u"MODE") + 4 + 16], c.unit);
        EXPECT_EQ(file[file.find(u"HEIGHT") - 1], c.unit);
        EXPECT_EQ(file[file.find(u"SEL") + 3], c.unit);

        model::MessageTable readBack;
        ReadMessageFile(file, readBack);
        EXPECT_EQ(readBack.rowAnimation, table.rowAnimation);
        EXPECT_EQ(readBack.rowBrightness, table.rowBrightness);
        EXPECT_EQ(readBack.slotSelected, table.slotSelected);
    }
}

}  // namespace
}  // namespace velnar::file
