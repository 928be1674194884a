#pragma once

#include <optional>

namespace velnar::link {

enum class Parity { None, Odd, Even, Mark, Space };

struct LineFormat {
    int bitsPerSecond = 9600;
    int dataBits = 8;
    int stopBits = 1;
    Parity parity = Parity::None;
};

// Decodes the speed and line-mode codes of ConfigurePort in the serial
// library's published coding. Codes outside that coding give no format, so a
// library can refuse them instead of configuring something else.
std::optional<LineFormat> DecodeLineCoding(int speedCode, int lineModeCode);

}  // namespace velnar::link
