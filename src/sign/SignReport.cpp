#include "sign/SignReport.h"

#include <cstdio>

#include "sign/FrameDecoder.h"
#include "model/Utf8.h"

namespace velnar::sign {

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
    case VirtualSign::Verdict::Unanswered: return "unanswered";
    }
    return "?";
}

std::string Packed(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

}  // namespace

std::string DescribeContent(const link::Frame& frame)
{
    const DecodedFrame f = DecodeFrame(frame);
    const std::string slot = "slot " + std::to_string(f.SlotIndex() + 1);
    switch (f.kind) {
    case FrameKind::Settings:
        return "SETTINGS " + slot + " row " + std::to_string(f.settings.row) + " brightness " +
               std::to_string(f.settings.brightness) + " speed " + std::to_string(f.settings.speed);
    case FrameKind::Clock: {
        const ClockFields& c = f.clock;
        return "CLOCK 20" + Packed(c.year) + "-" + Packed(c.month) + "-" + Packed(c.day) + " " + Packed(c.hour) +
               ":" + Packed(c.minute) + ":" + Packed(c.second) + " weekday " + std::to_string(c.weekday) + " " +
               slot + " clock row " + (c.clockFlag ? "on" : "off");
    }
    case FrameKind::Blank:
        return "BLANK " + slot + " row " + std::to_string(f.text.row) + " animation " +
               std::to_string(f.text.animation);
    case FrameKind::Text: break;
    }
    return "TEXT " + slot + " row " + std::to_string(f.text.row) + " block " + std::to_string(f.text.blockNumber + 1) +
           "/" + std::to_string(f.text.blockCount) + " " + Quoted(f.Characters()) + " animation " +
           std::to_string(f.text.animation);
}

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

}  // namespace velnar::sign
