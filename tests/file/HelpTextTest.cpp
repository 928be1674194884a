#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "file/HelpText.h"

namespace velnar::file {
namespace {

TEST(HelpTextTest, EveryByteOfEveryLengthIsShownOnce)
{
    // Lengths around the reading pieces of 10240 bytes that the help file
    // was once read in: none may lose a byte or gain a line break.
    for (std::size_t length : {1u, 10239u, 10240u, 10241u, 20480u, 20481u}) {
        std::string bytes;
        for (std::size_t i = 0; i < length; ++i)
            bytes.push_back(static_cast<char>('a' + i % 26));
        const std::u16string text = DecodeHelpText(bytes);
        ASSERT_EQ(text.size(), length) << length;
        EXPECT_EQ(text.back(), static_cast<char16_t>('a' + (length - 1) % 26)) << length;
        EXPECT_EQ(text.find(u'\n'), std::u16string::npos) << length;
    }
}

TEST(HelpTextTest, Utf8OrElseTurkishCodePage)
{
    const struct {
        const char* name;
        std::string bytes;
        std::u16string text;
    } cases[] = {
        {"UTF-8", "G\xC3\xB6nder: \xC5\x9E\xC4\xB0\xC4\x9E \xE2\x82\xAC", u"Gönder: ŞİĞ €"},
        {"UTF-8 with byte-order mark", "\xEF\xBB\xBFYARDIM", u"YARDIM"},
        {"UTF-8 beyond the basic plane", "\xF0\x9F\x99\x82", u"\U0001F642"},
        {"code page 1254", "G\xF6nder: \xDE\xDD\xD0 \xFE\xFD\xF0 \x80", u"Gönder: ŞİĞ şığ €"},
        {"overlong form is no UTF-8", "\xC0\xAF", u"À¯"},
        {"cut-off UTF-8 is no UTF-8", "abc\xC3", u"abcÃ"},
        {"undefined code page byte", "\x81", u"\uFFFD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeHelpText(c.bytes), c.text) << c.name;
}

TEST(HelpTextTest, LineBreaksAndZeroBytes)
{
    EXPECT_EQ(DecodeHelpText(std::string("one\r\ntwo\rthree\nfour\0five", 24)), u"one\ntwo\nthree\nfourfive");
    EXPECT_EQ(DecodeHelpText(""), u"");
}

TEST(HelpTextTest, UnreadableFileKeepsTheTextAndSaysWhy)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "velnar-help-test";
    std::filesystem::create_directories(folder);
    {
        std::ofstream(folder / "help.txt", std::ios::binary) << "Yard\xC4\xB1m";
    }

    std::u16string text = u"earlier";
    EXPECT_TRUE(ReadHelpText(folder / "help.txt", text).ok);
    EXPECT_EQ(text, u"Yardım");

    const FileResult missing = ReadHelpText(folder / "missing.txt", text);
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_EQ(text, u"Yardım");
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace velnar::file
