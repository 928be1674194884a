#include "link/SignCharCode.h"

#include <string_view>

namespace velnar::link {

namespace {

constexpr int kSpaceCode = 0;

struct SignSymbol {
    char16_t unit;
    int code;
};

// The sign's characters beyond printable ASCII.
constexpr SignSymbol kSignSymbols[] = {
    {u'\uFFE1', 95},  {u'\uFFE5', 96},  {u'\u20AC', 97},  {u'\u00B1', 98},
    {u'\u00C1', 99},  {u'\u00C3', 100}, {u'\u00C2', 101}, {u'\u00C0', 102},
    {u'\u0444', 103}, {u'\u2588', 104}, {u'\u25A1', 105}, {u'\u00FC', 108},
    {u'\u00DC', 109}, {u'\u00F6', 110}, {u'\u00D6', 111}, {u'\u00E7', 112},
    {u'\u00C7', 113}, {u'\u011F', 114}, {u'\u011E', 115}, {u'\u0130', 117},
    {u'\u015F', 118}, {u'\u015E', 119}, {u'\u0131', 120}, {u'\u00B0', 122},
};

// Base letters of U+00C0..U+00FF and U+0100..U+017F; '?' where a letter has
// no obvious base (ligatures, thorn, eszett) or is no letter (multiplication
// and division signs).
constexpr std::u16string_view kLatin1Bases =
    u"AAAAAA?CEEEEIIIIDNOOOOO?OUUUUY??aaaaaa?ceeeeiiiidnooooo?ouuuuy?y";
constexpr std::u16string_view kLatinExtendedABases =
    u"AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIi??JjKk?LlLlLlLlLlNnNnNnn??"
    u"OoOoOo??RrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";
static_assert(kLatin1Bases.size() == 0x40);
static_assert(kLatinExtendedABases.size() == 0x80);

bool IsControl(char16_t unit)
{
    return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

char16_t BaseLetter(char16_t unit)
{
    if (unit >= 0xC0 && unit <= 0xFF)
        return kLatin1Bases[unit - 0xC0];
    if (unit >= 0x100 && unit <= 0x17F)
        return kLatinExtendedABases[unit - 0x100];
    return u'?';
}

constexpr int kLastAsciiCode = 0x7E - 0x20;

}  // namespace

int SignCharCode(char16_t unit)
{
    if (unit >= 0x20 && unit <= 0x7E)
        return unit - 0x20;
    for (const SignSymbol& symbol : kSignSymbols) {
        if (symbol.unit == unit)
            return symbol.code;
    }
    if (IsControl(unit) || unit == 0xA0)
        return kSpaceCode;
    return BaseLetter(unit) - 0x20;
}

char16_t SignCodeCharacter(int code)
{
    if (code >= 0 && code <= kLastAsciiCode)
        return static_cast<char16_t>(code + 0x20);
    for (const SignSymbol& symbol : kSignSymbols) {
        if (symbol.code == code)
            return symbol.unit;
    }
    return u'\uFFFD';
}

}  // namespace velnar::link
