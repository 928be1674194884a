#pragma once

namespace velnar::link {

// The sign's code (0..122) for one UTF-16 code unit. Printable ASCII maps to
// its value minus 32; the sign's own letters (Turkish among them) and symbols
// have codes of their own. A character the sign cannot show never gives a
// random code: control characters become a space, accented Latin letters
// their base letter, and everything else a question mark.
int SignCharCode(char16_t unit);

// The character the sign shows for a code; U+FFFD for codes it has none for.
char16_t SignCodeCharacter(int code);

}  // namespace velnar::link
