#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace velnar::model {

constexpr int kSlotCount = 16;
constexpr int kRowCount = 32;
constexpr int kSlotsPerPage = 8;
constexpr int kRowsPerPage = 16;

// Row number of slot 1..16, row 1 (upper) or 2 (lower): 0..31.
constexpr int RowNumber(int slot, int row) { return 2 * (slot - 1) + (row - 1); }

// The slot index the frames carry for slot 1..16.
constexpr int SlotIndex(int slot) { return slot - 1; }

// Page 1 holds slots 1 to 8, page 2 slots 9 to 16.
constexpr int PageOfSlot(int slot) { return slot <= kSlotsPerPage ? 1 : 2; }

// The one place where the editor's windows, the send workflows and the message
// file meet. Plain public fields: writers store, consumers read or poll the
// flags from their timers and always clear a flag before acting on it.
//
// Per-row fields are indexed by row number; per-slot fields by slot - 1.
struct MessageTable {
    std::array<std::u16string, kRowCount> rowText{};
    std::array<std::int32_t, kRowCount> rowAnimation{};   // selector index 0..4
    std::array<std::int32_t, kRowCount> rowBrightness{};  // 4 x selector index: 0, 4, 8
    std::array<std::int32_t, kRowCount> rowSpeed{};       // 4 x selector index: 0, 4, 8

    std::array<std::int32_t, kSlotCount> slotTwoRows{};
    std::array<std::int32_t, kSlotCount> slotClock{};
    std::array<std::int32_t, kSlotCount> slotSelected{};

    std::int32_t portIndex = 0;  // 0..8 for COM1..COM9

    std::uint8_t sendAllRequested = 0;
    std::uint8_t sendAllPage2Turn = 0;
    std::uint8_t sendAllActive = 0;
    std::uint8_t pageBatchActive = 0;
    std::uint8_t sendComplete = 0;
    std::uint8_t fileLoadedPage1 = 0;
    std::uint8_t fileLoadedPage2 = 0;
    std::array<std::uint8_t, kSlotCount> clockRowShown{};

    // Raised by the link whenever an exchange with the sign ends without the
    // accept byte; the send workflow reports and clears it after each slot.
    std::uint8_t equipmentError = 0;
};

// The process-wide table, zero-filled before any window exists.
extern MessageTable messageTable;

// Storage orders of the per-row attribute blocks, as the message file writes
// them. Each block of 32 is two halves of 16, one per page.
//
// Brightness, speed and text follow row-number order, so position i of their
// block is row i. Animation differs: each half holds the row-1 values of the
// page's eight slots, then their row-2 values.
constexpr int RowOfAnimationPosition(int position)
{
    const int half = position / kRowsPerPage;
    const int within = position % kRowsPerPage;
    const int row = within / kSlotsPerPage + 1;
    const int slot = half * kSlotsPerPage + within % kSlotsPerPage + 1;
    return RowNumber(slot, row);
}

// Sets the row attributes to zero, as the main window does at start-up.
void ZeroRowAttributes(MessageTable& table);

}  // namespace velnar::model
