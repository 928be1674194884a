#include <gtest/gtest.h>

#include <string>

#include "file/HelpText.h"

namespace velnar::file {
namespace {

TEST(HelpTextTest, Utf8OrElseTurkishCodePageWithLineFeedsOnly)
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
        {"line breaks and zero bytes", std::string("one\r\ntwo\rthree\nfour\0five", 24), u"one\ntwo\nthree\nfourfive"},
        {"empty", "", u""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecodeHelpText(c.bytes), c.text) << c.name;
}

}  // namespace
}  // namespace velnar::file
