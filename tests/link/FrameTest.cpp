#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/Frame.h"
#include "link/SignCharCode.h"

namespace velnar::link {
namespace {

// The 20 bytes from their first bytes; the rest of the content is zero.
Frame Expected(std::initializer_list<int> leading, int checksum)
{
    Frame frame{};
    std::size_t i = 0;
    for (int byte : leading)
        frame[i++] = static_cast<std::uint8_t>(byte);
    frame[kFrameSize - 1] = static_cast<std::uint8_t>(checksum);
    return frame;
}

TEST(FrameTest, TextFrameOfAbcInTwoAndOneRowMode)
{
    TextBlock block;
    block.slotIndex = 0;
    block.row = 1;
    block.characterCount = 3;
    block.codes = {SignCharCode(u'a'), SignCharCode(u'b'), SignCharCode(u'c')};

    block.twoRowFlag = 1;
    EXPECT_EQ(BuildTextFrame(block), Expected({0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x31, 0x41, 0x42, 0x43}, 0xF9));
    block.twoRowFlag = 0;
    EXPECT_EQ(BuildTextFrame(block), Expected({0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x30, 0x41, 0x42, 0x43}, 0xF8));
}

TEST(FrameTest, ChecksumKeepsOnlyTheLowEightBits)
{
    TextBlock block;
    block.animation = 4;
    block.slotIndex = 15;
    block.row = 2;
    block.codes.fill(SignCharCode(u'z'));
    ASSERT_EQ(block.codes[0], 90);

    const Frame frame = BuildTextFrame(block);
    EXPECT_EQ(frame[6], 0xC1);
    EXPECT_EQ(frame[19], 1295 % 256);
}

TEST(FrameTest, BlankFrameOfSlotFourRowTwo)
{
    EXPECT_EQ(BuildBlankFrame(2, 3, 2, 1, 1), Expected({0x02, 0x01, 0x00, 0x03, 0x01, 0x02, 0x01}, 0x0A));
}

TEST(FrameTest, UnselectedValuesGoOutAsTheirLowByteWithAMatchingChecksum)
{
    const Frame blank = BuildBlankFrame(-1, 2, 1, 1, 0);
    EXPECT_EQ(blank[0], 0xFF);
    EXPECT_EQ(blank[19], (0xFF + 1 + 2 + 1 + 1) % 256);

    const Frame settings = BuildSettingsFrame(-4, -4, 8, 1);
    EXPECT_EQ(settings[1], 0xFC);
    EXPECT_EQ(settings[2], 0xFC);
    int sum = 0;
    for (int i = 0; i < kFrameSize - 1; ++i)
        sum += settings[static_cast<std::size_t>(i)];
    EXPECT_EQ(settings[19], sum % 256);
}

TEST(FrameTest, SettingsFrames)
{
    EXPECT_EQ(BuildSettingsFrame(4, 8, 0, 1), Expected({0x05, 0x04, 0x08, 0x00, 0x01}, 0x12));
    EXPECT_EQ(BuildSettingsFrame(0, 0, 15, 2), Expected({0x05, 0x00, 0x00, 0x0F, 0x02}, 0x16));
    EXPECT_EQ(BuildSettingsFrame(8, 4, 2, 1), Expected({0x05, 0x08, 0x04, 0x02, 0x01}, 0x14));
}

TEST(FrameTest, ClockFrames)
{
    // Wednesday 3 January 2007, 14:05:09; calendars count Wednesday as 4.
    EXPECT_EQ(BuildClockFrame({2007, 1, 3, 14, 5, 9, 4}, 1, 0),
              Expected({0x07, 0x07, 0x01, 0x03, 0x03, 0x14, 0x05, 0x09, 0x00, 0x01}, 0x38));

    const Frame newYearsEve = BuildClockFrame({2009, 12, 31, 23, 59, 59, 5}, 0, 15);
    EXPECT_EQ(std::vector<int>(newYearsEve.begin() + 1, newYearsEve.begin() + 10),
              (std::vector<int>{0x09, 0x12, 0x04, 0x31, 0x23, 0x59, 0x59, 0x0F, 0x00}));

    EXPECT_EQ(BuildClockFrame({2010, 6, 1, 0, 0, 0, 3}, 0, 0)[1], 0x10);
}

TEST(FrameTest, SignWeekdayStartsOnMonday)
{
    const int expected[] = {7, 1, 2, 3, 4, 5, 6};  // Sunday .. Saturday
    for (int calendarDay = 1; calendarDay <= 7; ++calendarDay)
        EXPECT_EQ(SignWeekday(calendarDay), expected[calendarDay - 1]) << calendarDay;
}

TEST(SignCharCodeTest, PrintableAsciiAndTheSignsOwnCharacters)
{
    const struct {
        char16_t unit;
        int code;
    } cases[] = {
        {u' ', 0},       {u'0', 16},      {u'A', 33},      {u'a', 65},      {u'~', 94},
        {u'\uFFE1', 95}, {u'\uFFE5', 96}, {u'\u20AC', 97}, {u'\u00B1', 98}, {u'\u00C1', 99},
        {u'\u00C3', 100}, {u'\u00C2', 101}, {u'\u00C0', 102}, {u'\u0444', 103}, {u'\u2588', 104},
        {u'\u25A1', 105}, {u'\u00B0', 122},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SignCharCode(c.unit), c.code) << std::hex << static_cast<int>(c.unit);
}

TEST(SignCharCodeTest, TurkishLetters)
{
    const std::u16string text = u"ĞÜŞİÖÇ ğüşıöç";
    const std::vector<int> expected = {115, 109, 119, 117, 111, 113, 0, 114, 108, 118, 120, 110, 112};
    std::vector<int> codes;
    for (char16_t unit : text)
        codes.push_back(SignCharCode(unit));
    EXPECT_EQ(codes, expected);
}

TEST(SignCharCodeTest, CharactersWithoutACodeNeverDependOnEarlierText)
{
    const int space = SignCharCode(u' ');
    const int question = SignCharCode(u'?');
    const struct {
        char16_t unit;
        int code;
    } cases[] = {
        {u'\r', space},     {u'\n', space},     {u'\t', space},     {u'\u007F', space},
        {u'\u0085', space}, {u'\u00A0', space}, {u'\u00E9', SignCharCode(u'e')},
        {u'\u00C4', SignCharCode(u'A')},        {u'\u00F1', SignCharCode(u'n')},
        {u'\u0141', SignCharCode(u'L')},        {u'\u017E', SignCharCode(u'z')},
        {u'\u00DF', question},                  {u'\u00D7', question},
        {u'\u4E2D', question},                  {u'\u0416', question},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SignCharCode(c.unit), c.code) << std::hex << static_cast<int>(c.unit);
        // After a conversion that left something else behind, the same again.
        SignCharCode(u'Z');
        EXPECT_EQ(SignCharCode(c.unit), c.code) << std::hex << static_cast<int>(c.unit);
    }
}

}  // namespace
}  // namespace velnar::link
