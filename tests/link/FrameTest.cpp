#include <gtest/gtest.h>

#include <string>

#include "link/Frame.h"
#include "link/SignCharCode.h"
#include "tests/support/FrameBytes.h"
#include "tests/support/RowHeader.h"

namespace velnar::link {
namespace {

using testing::FrameBytes;

TEST(FrameTest, EachKindByteForByte)
{
    TextBlock abc;
    abc.characterCount = 3;
    abc.codes = {65, 66, 67};
    TextBlock full;  // in one-row mode; its sum, 1294, needs more than eight bits
    full.animation = 4;
    full.slotIndex = 15;
    full.row = 2;
    full.twoRowFlag = 0;
    full.codes.fill(90);
    const int z = 90;
    const struct { const char* what; Frame frame, expected; } cases[] = {
        {"abc in two-row mode", BuildTextFrame(abc),
         FrameBytes({0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x31, 0x41, 0x42, 0x43}, 0xF9)},
        {"a full block", BuildTextFrame(full),
         FrameBytes({0x04, 0x01, 0x00, 0x0F, 0x00, 0x02, 0xC0, z, z, z, z, z, z, z, z, z, z, z, z}, 0x0E)},
        {"blank without an animation, slot 4 row 2, not selected", BuildBlankFrame(testing::RowHeader(-1, 3, 2, 1, 1)),
         FrameBytes({0xFF, 0x01, 0x00, 0x03, 0x01, 0x02, 0x01}, 0x07)},
        {"settings without a brightness, slot 16 row 2", BuildSettingsFrame({-4, 8, 15, 2}),
         FrameBytes({0x05, 0xFC, 0x08, 0x0F, 0x02}, 0x1A)},
        {"clock, new year's eve", BuildClockFrame({2009, 12, 31, 23, 59, 59, 5}, 0, 15),
         FrameBytes({0x07, 0x09, 0x12, 0x04, 0x31, 0x23, 0x59, 0x59, 0x0F, 0x00}, 0x3B)},
        // Calendars count Sunday as 1, the sign Monday.
        {"clock, a Sunday", BuildClockFrame({2010, 6, 6, 0, 0, 0, 1}, 1, 0),
         FrameBytes({0x07, 0x10, 0x06, 0x07, 0x06, 0, 0, 0, 0x00, 0x01}, 0x2B)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.frame, c.expected) << c.what;
}

// The sign's character table, code by code; U+FFFD marks codes no character gets.
TEST(SignCharCodeTest, EveryCodeOfTheSignsTable)
{
    const std::u16string table =
        u" !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\\]^_`abcdefghijklmnopqrstuvwxyz{|}~"
        u"\uFFE1\uFFE5\u20AC\u00B1\u00C1\u00C3\u00C2\u00C0\u0444\u2588\u25A1\uFFFD\uFFFD\u00FC\u00DC\u00F6"
        u"\u00D6\u00E7\u00C7\u011F\u011E\uFFFD\u0130\u015F\u015E\u0131\uFFFD\u00B0";
    ASSERT_EQ(table.size(), 123u);
    for (int code = 0; code < 123; ++code) {
        const char16_t shown = table[static_cast<std::size_t>(code)];
        EXPECT_EQ(SignCodeCharacter(code), shown) << code;
        if (shown != u'\uFFFD') {
            EXPECT_EQ(SignCharCode(shown), code) << code;
        }
    }
}

// A character without a code goes as a blank, its base letter or "?".
TEST(SignCharCodeTest, CharactersWithoutACode)
{
    const struct { char16_t unit; int code; } cases[] = {
        {u'\r', 0}, {u'\t', 0}, {u'\u00A0', 0}, {u'\u00E9', 69}, {u'\u00C4', 33}, {u'\u4E2D', 31},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignCharCode(c.unit), c.code) << std::hex << static_cast<int>(c.unit);
        SignCharCode(u'Z');
        EXPECT_EQ(SignCharCode(c.unit), c.code) << std::hex << static_cast<int>(c.unit);
    }
}

}  // namespace
}  // namespace velnar::link
