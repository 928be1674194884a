#include "link/SignReport.h"

#include <cstdio>

#include "link/SignCharCode.h"
#include "model/Utf8.h"

namespace velnar::link {

namespace {

std::string Quoted(const std::u16string& text)
{
    return "\"" + model::ToUtf8(text) + "\"";
}

std::string Verdict(VirtualSign::Verdict verdict)
{
    switch (verdict) {
    case VirtualSign::Verdict::Accepted: return "accepted";
    case VirtualSign::Verdict::Refused: return "refused";
    case VirtualSign::Verdict::BadChecksum: return "bad checksum";
    }
    return "?";
}

std::string Packed(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

std::string DescribeContent(const Frame& f)
{
    const std::string slot = "slot " + std::to_string(f[3] + 1);
    if (f[0] == kSettingsCommand)
        return "SETTINGS " + slot + " row " + std::to_string(f[4]) + " brightness " + std::to_string(f[1]) +
               " speed " + std::to_string(f[2]);
    if (f[0] == kClockCommand)
        return "CLOCK 20" + Packed(f[1]) + "-" + Packed(f[2]) + "-" + Packed(f[4]) + " " + Packed(f[5]) + ":" +
               Packed(f[6]) + ":" + Packed(f[7]) + " weekday " + std::to_string(f[3]) + " slot " +
               std::to_string(f[8] + 1) + " clock row " + (f[9] ? "on" : "off");

    const int characterCount = f[6] >> 4;
    if (characterCount == 0)
        return "BLANK " + slot + " row " + std::to_string(f[5]) + " animation " + std::to_string(f[0]);
    std::u16string text;
    for (int i = 0; i < characterCount && i < kCharactersPerBlock; ++i)
        text.push_back(SignCodeCharacter(f[static_cast<std::size_t>(7 + i)]));
    return "TEXT " + slot + " row " + std::to_string(f[5]) + " block " + std::to_string(f[2] + 1) + "/" +
           std::to_string(f[1]) + " " + Quoted(text);
}

}  // namespace

std::string DescribeFrame(const VirtualSign::FrameEvent& event)
{
    return DescribeContent(event.frame) + " " + Verdict(event.verdict);
}

std::string DescribeSlot(const SignSlot& slot, int slotIndex)
{
    std::string line = "slot " + std::to_string(slotIndex + 1) + ": " + (slot.twoRows ? "two rows" : "one row") +
                       ", " + (slot.selected ? "selected" : "not selected") + ", clock row " +
                       (slot.clockRow ? "on" : "off");
    for (int r = 0; r < 2; ++r) {
        const SignSlot::Row& row = slot.rows[static_cast<std::size_t>(r)];
        line += " | row " + std::to_string(r + 1) + " " + Quoted(row.text) + " animation " +
                std::to_string(row.animation) + " brightness " + std::to_string(row.brightness) + " speed " +
                std::to_string(row.speed);
    }
    return line;
}

}  // namespace velnar::link
