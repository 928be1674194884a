#include "file/HelpText.h"

#include <array>
#include <optional>

namespace velnar::file {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// Code page 1254 where it differs from Latin-1: bytes 0x80 to 0x9F, then the
// six Turkish letters that take the place of Icelandic ones.
constexpr std::array<char16_t, 32> kWindows1254High = {
    u'\u20AC', kReplacement, u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030',    u'\u0160', u'\u2039', u'\u0152', kReplacement, kReplacement, kReplacement,
    kReplacement, u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122',    u'\u0161', u'\u203A', u'\u0153', kReplacement, kReplacement, u'\u0178',
};

char16_t Windows1254(unsigned char byte)
{
    switch (byte) {
    case 0xD0: return u'\u011E';  // Ğ
    case 0xDD: return u'\u0130';  // İ
    case 0xDE: return u'\u015E';  // Ş
    case 0xF0: return u'\u011F';  // ğ
    case 0xFD: return u'\u0131';  // ı
    case 0xFE: return u'\u015F';  // ş
    default: break;
    }
    if (byte >= 0x80 && byte <= 0x9F)
        return kWindows1254High[byte - 0x80];
    return byte;
}

void AppendCodePoint(std::u16string& out, char32_t c)
{
    if (c < 0x10000) {
        out.push_back(static_cast<char16_t>(c));
        return;
    }
    c -= 0x10000;
    out.push_back(static_cast<char16_t>(0xD800 | (c >> 10)));
    out.push_back(static_cast<char16_t>(0xDC00 | (c & 0x3FF)));
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
std::optional<std::u16string> DecodeUtf8(std::string_view bytes)
{
    std::u16string out;
    out.reserve(bytes.size());
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t c = 0;
        if (lead < 0x80) {
            length = 1;
            c = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            c = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            c = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            c = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (i + static_cast<std::size_t>(length) > bytes.size())
            return std::nullopt;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = (c << 6) | (next & 0x3F);
        }
        if ((length == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) || (length == 4 && (c < 0x10000 || c > 0x10FFFF)))
            return std::nullopt;
        AppendCodePoint(out, c);
        i += static_cast<std::size_t>(length);
    }
    return out;
}

std::u16string NormalizeLines(const std::u16string& text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\0')
            continue;
        if (c == u'\r') {
            out.push_back(u'\n');
            if (i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            continue;
        }
        out.push_back(c);
    }
    return out;
}

}  // namespace

std::u16string DecodeHelpText(std::string_view bytes)
{
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    const std::string_view body = bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark
                                      ? bytes.substr(kByteOrderMark.size())
                                      : bytes;
    if (std::optional<std::u16string> utf8 = DecodeUtf8(body))
        return NormalizeLines(*utf8);

    std::u16string text;
    text.reserve(bytes.size());
    for (char byte : bytes)
        text.push_back(Windows1254(static_cast<unsigned char>(byte)));
    return NormalizeLines(text);
}

FileResult ReadHelpText(const std::filesystem::path& path, std::u16string& text)
{
    std::string bytes;
    const FileResult result = ReadFileBytes(path, bytes);
    if (result.ok)
        text = DecodeHelpText(bytes);
    return result;
}

}  // namespace velnar::file
