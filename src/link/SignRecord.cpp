#include "link/SignRecord.h"

#include <sstream>

#include "link/SendRun.h"
#include "link/SlotSender.h"

namespace velnar::link {

namespace {

// The first line names the format and its version; the last one says that
// nothing was cut off.
constexpr const char* kRecordHeader = "VELNAR SIGN RECORD 1";
constexpr const char* kRecordEnd = "end";

// UTF-16 code units as four hex digits each: any text, line breaks and lone
// surrogates included, stays on its line.
std::string HexText(const std::u16string& text)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex = "=";
    for (const char16_t unit : text)
        for (int shift = 12; shift >= 0; shift -= 4)
            hex += digits[(unit >> shift) & 0xF];
    return hex;
}

std::optional<std::u16string> TextOfHex(const std::string& hex)
{
    if (hex.empty() || hex[0] != '=' || (hex.size() - 1) % 4 != 0)
        return std::nullopt;
    std::u16string text;
    for (std::size_t i = 1; i < hex.size(); i += 4) {
        unsigned value = 0;
        for (std::size_t k = i; k < i + 4; ++k) {
            const char c = hex[k];
            const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
            if (digit < 0)
                return std::nullopt;
            value = value * 16 + static_cast<unsigned>(digit);
        }
        text += static_cast<char16_t>(value);
    }
    return text;
}

}  // namespace

void SignRecord::TakeRun(const SendRun& run)
{
    for (const SlotResult& result : run.Results()) {
        std::optional<SlotSnapshot>& slot = held[static_cast<std::size_t>(model::SlotIndex(result.slot))];
        if (result.takenWhole)
            slot = SentContent(result.content);
        else
            slot.reset();
    }
}

SlotSnapshot SentContent(const SlotSnapshot& snapshot)
{
    SlotSnapshot sent = snapshot;
    if (!sent.twoRows)
        sent.clock = false;
    if (!sent.twoRows || sent.clock)
        sent.rows[1] = {};
    return sent;
}

std::vector<int> ChangedSlots(const SignRecord& record, const std::array<SlotSnapshot, model::kSlotCount>& now)
{
    std::vector<int> changed;
    for (int slot = 1; slot <= model::kSlotCount; ++slot) {
        const auto index = static_cast<std::size_t>(model::SlotIndex(slot));
        if (!record.held[index] || *record.held[index] != SentContent(now[index]))
            changed.push_back(slot);
    }
    return changed;
}

std::string DescribeChanged(const std::vector<int>& changed, const std::array<SlotSnapshot, model::kSlotCount>& now)
{
    if (changed.empty())
        return "Nothing changed since the last send, as far as this computer knows.";
    std::int64_t ms = 0;
    for (const int slot : changed)
        ms += NominalMs(now[static_cast<std::size_t>(model::SlotIndex(slot))]);
    return std::to_string(changed.size()) + (changed.size() == 1 ? " slot" : " slots") + " changed, about " +
           MinutesSeconds(ms) + ", as far as this computer knows";
}

std::string EncodeSignRecord(const SignRecord& record)
{
    std::ostringstream out;
    std::u16string device;
    for (const char byte : record.device)
        device += static_cast<char16_t>(static_cast<unsigned char>(byte));
    out << kRecordHeader << '\n' << "device " << HexText(device) << '\n';
    for (const std::optional<SlotSnapshot>& slot : record.held) {
        if (!slot)
            continue;
        out << "slot " << slot->slot << ' ' << slot->twoRows << ' ' << slot->selected << ' ' << slot->clock << '\n';
        for (const SlotSnapshot::Row& row : slot->rows)
            out << "row " << row.animationItem << ' ' << row.brightnessItem << ' ' << row.speedItem << ' '
                << HexText(row.text) << '\n';
    }
    out << kRecordEnd << '\n';
    return out.str();
}

std::optional<SignRecord> DecodeSignRecord(const std::string& bytes, std::string& problem)
{
    std::istringstream in(bytes);
    std::string line;
    if (!std::getline(in, line) || line.rfind("VELNAR SIGN RECORD ", 0) != 0) {
        problem = "not a record of a sign";
        return std::nullopt;
    }
    if (line != kRecordHeader) {
        problem = "written by another version (" + line + ")";
        return std::nullopt;
    }
    // A write cut short, whatever it cut, lacks the last line.
    const std::string last = std::string("\n") + kRecordEnd + "\n";
    if (bytes.size() < last.size() || bytes.compare(bytes.size() - last.size(), last.size(), last) != 0) {
        problem = "cut short";
        return std::nullopt;
    }
    problem = "damaged";
    SignRecord record;
    std::string word;
    std::string hex;
    if (!std::getline(in, line) || !(std::istringstream(line) >> word >> hex) || word != "device")
        return std::nullopt;
    const std::optional<std::u16string> device = TextOfHex(hex);
    if (!device)
        return std::nullopt;
    for (const char16_t unit : *device) {
        if (unit > 0xFF)
            return std::nullopt;
        record.device += static_cast<char>(unit);
    }
    while (std::getline(in, line)) {
        if (line == kRecordEnd) {
            problem.clear();
            return record;
        }
        SlotSnapshot slot;
        if (!(std::istringstream(line) >> word >> slot.slot >> slot.twoRows >> slot.selected >> slot.clock) ||
            word != "slot" || slot.slot < 1 || slot.slot > model::kSlotCount)
            return std::nullopt;
        for (SlotSnapshot::Row& row : slot.rows) {
            if (!std::getline(in, line) ||
                !(std::istringstream(line) >> word >> row.animationItem >> row.brightnessItem >> row.speedItem >> hex) ||
                word != "row")
                return std::nullopt;
            const std::optional<std::u16string> text = TextOfHex(hex);
            if (!text)
                return std::nullopt;
            row.text = *text;
        }
        record.held[static_cast<std::size_t>(model::SlotIndex(slot.slot))] = slot;
    }
    return std::nullopt;
}

}  // namespace velnar::link
