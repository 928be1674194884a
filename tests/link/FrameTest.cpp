#include <gtest/gtest.h>

#include <string>

#include "link/Frame.h"
#include "tests/support/RowHeader.h"
#include "link/SignCharCode.h"

namespace velnar::link {
namespace {

// The 20 bytes from their first bytes; the rest of the content is zero.
Frame Expected(std::initializer_list<int> leading, int checksum)
{
    Frame frame{};
    std::copy(leading.begin(), leading.end(), frame.begin());
    frame[kFrameSize - 1] = static_cast<std::uint8_t>(checksum);
    return frame;
}

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
         Expected({0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x31, 0x41, 0x42, 0x43}, 0xF9)},
        {"a full block", BuildTextFrame(full),
         Expected({0x04, 0x01, 0x00, 0x0F, 0x00, 0x02, 0xC0, z, z, z, z, z, z, z, z, z, z, z, z}, 0x0E)},
        {"blank without an animation, slot 4 row 2, not selected", BuildBlankFrame(testing::RowHeader(-1, 3, 2, 1, 1)),
         Expected({0xFF, 0x01, 0x00, 0x03, 0x01, 0x02, 0x01}, 0x07)},
        {"settings without a brightness, slot 16 row 2", BuildSettingsFrame({-4, 8, 15, 2}),
         Expected({0x05, 0xFC, 0x08, 0x0F, 0x02}, 0x1A)},
        {"clock, new year's eve", BuildClockFrame({2009, 12, 31, 23, 59, 59, 5}, 0, 15),
         Expected({0x07, 0x09, 0x12, 0x04, 0x31, 0x23, 0x59, 0x59, 0x0F, 0x00}, 0x3B)},
        // Calendars count Sunday as 1, the sign Monday.
        {"clock, a Sunday", BuildClockFrame({2010, 6, 6, 0, 0, 0, 1}, 1, 0),
         Expected({0x07, 0x10, 0x06, 0x07, 0x06, 0, 0, 0, 0x00, 0x01}, 0x2B)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.frame, c.expected) << c.what;
}

// The sign's own table, Turkish letters included; a character without a code
// is a near letter, a blank or "?", whatever was converted before it.
TEST(SignCharCodeTest, CodesOfTheSignsCharacters)
{
    const struct { char16_t unit; int code; } cases[] = {
        {u' ', 0},   {u'0', 16},  {u'A', 33},  {u'a', 65},  {u'~', 94},  {u'\u20AC', 97}, {u'\u00B0', 122},
        {u'Ğ', 115}, {u'Ü', 109}, {u'Ş', 119}, {u'İ', 117}, {u'Ö', 111}, {u'Ç', 113},      {u'ğ', 114},
        {u'ü', 108}, {u'ş', 118}, {u'ı', 120}, {u'ö', 110}, {u'ç', 112}, {u'\r', 0},        {u'\t', 0},
        {u'\u00A0', 0}, {u'\u00E9', 69}, {u'\u00C4', 33}, {u'\u4E2D', 31},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignCharCode(c.unit), c.code) << std::hex << static_cast<int>(c.unit);
        SignCharCode(u'Z');
        EXPECT_EQ(SignCharCode(c.unit), c.code) << std::hex << static_cast<int>(c.unit);
    }
}

}  // namespace
}  // namespace velnar::link
