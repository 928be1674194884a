#include "sign/SlotPreview.h"

#include "file/RowReadBack.h"
#include "link/Pacer.h"
#include "link/SignCharCode.h"
#include "link/SignLink.h"
#include "link/SlotSender.h"
#include "sign/VirtualLine.h"
#include "model/Utf8.h"
#include "sign/SignDisplay.h"

namespace velnar::sign {

namespace {

constexpr int kScrollingAnimation = 1;  // "SAĞDAN SOLA" runs a wide row through

std::string Utf8(const std::u16string& text)
{
    return model::ToUtf8(text);
}

// The characters the sign has no code for, and what goes out in their place.
std::string UnknownCharacters(const std::u16string& text)
{
    std::u16string missing;
    std::string names;
    std::string replacements;
    for (char16_t unit : text) {
        // A line break, CR LF or alone, is one thing to the operator.
        if (unit == u'\n')
            unit = u'\r';
        const char16_t shown = link::SignCodeCharacter(link::SignCharCode(unit));
        if (shown == unit || missing.find(unit) != std::u16string::npos)
            continue;
        missing.push_back(unit);
        const std::string separator = names.empty() ? "" : " ";
        names += separator + (unit == u'\r' ? "line break" : "\"" + Utf8(std::u16string(1, unit)) + "\"");
        replacements += separator + (unit == u'\r' ? "blanks" : "\"" + Utf8(std::u16string(1, shown)) + "\"");
    }
    if (missing.empty())
        return {};
    return "the sign has no " + names + ": it shows " + replacements + " instead";
}

}  // namespace

SignState PreviewSign(const std::vector<link::SlotSnapshot>& slots, model::MessageTable table,
                      const link::LocalClock& clock)
{
    link::VirtualClock pacer;
    VirtualLine line(pacer);
    VirtualSign sign;
    AttachSign(line, sign);
    link::SignLink signLink(line, pacer, table);
    link::SlotSender sender(signLink, clock, table);
    for (const link::SlotSnapshot& slot : slots)
        sender.SendSlot(slot);
    return sign.State();
}

std::vector<std::string> RowNotes(const link::SlotSnapshot& slot, const model::MessageTable& table, int columns)
{
    model::MessageTable saved = table;
    for (int row = 1; row <= 2; ++row)
        saved.rowText[static_cast<std::size_t>(model::RowNumber(slot.slot, row))] =
            slot.rows[static_cast<std::size_t>(row - 1)].text;
    const std::vector<file::RowMismatch> mismatches = file::RowsThatWillNotReadBack(saved);

    std::vector<std::string> notes;
    const int rows = slot.twoRows && !slot.clock ? 2 : 1;
    const int limit = slot.twoRows ? link::kTwoRowLimit : link::kOneRowLimit;
    const int fits = CharactersThatFit(columns, slot.twoRows);
    for (int row = 1; row <= rows; ++row) {
        const link::SlotSnapshot::Row& values = slot.rows[static_cast<std::size_t>(row - 1)];
        const int length = static_cast<int>(values.text.size());
        const std::string name = "SATIR " + std::to_string(row);
        notes.push_back(name + ": " + std::to_string(length) + "/" + std::to_string(limit));
        if (length > limit)
            notes.push_back(name + " will not be sent: " + std::to_string(length) + " characters, at most " +
                            std::to_string(limit) + " fit in " + (slot.twoRows ? "two-row" : "one-row") + " mode.");
        const std::string unknown = UnknownCharacters(values.text);
        if (!unknown.empty())
            notes.push_back(name + ": " + unknown + ".");
        for (const file::RowMismatch& mismatch : mismatches) {
            if (mismatch.slot == slot.slot && mismatch.row == row)
                notes.push_back(name + " will not read back from the message file: " + mismatch.reason + ".");
        }
        if (length > fits && length <= limit && values.animationItem != kScrollingAnimation) {
            std::u16string shown;
            for (const char16_t unit : values.text.substr(0, static_cast<std::size_t>(fits)))
                shown.push_back(link::SignCodeCharacter(link::SignCharCode(unit)));
            notes.push_back(name + " is wider than the board and its animation does not scroll: only \"" +
                            Utf8(shown) + "\" shows (" + std::to_string(fits) + " of " + std::to_string(length) +
                            " characters).");
        }
    }
    return notes;
}

}  // namespace velnar::sign
