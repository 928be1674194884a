#pragma once

#include <array>
#include <string>

#include "model/MessageTable.h"
#include "model/Selectors.h"

namespace velnar::model {

// The language selector's items. Only "ENGLISH" changes a row.
constexpr int kEnglishItem = 0;
constexpr int kTurkishItem = 1;

// A message page's controls as plain values: what the page's rules read and
// write, what a send of a slot takes, and what the preview shows. Selector
// values are item indexes, kNoItem for a selector without a selection.
struct PageState {
    struct Row {
        int animation = 0;
        int brightness = 0;
        int speed = 0;
    };
    struct Slot {
        std::array<Row, 2> rows{};
        bool twoRows = false;
        bool selected = false;
        bool clock = false;
        int language = kTurkishItem;
    };

    int firstSlot = 1;  // 1 on page 1, 9 on page 2
    // One per text edit, by page row: slot j's row r is 2 j + r - 1.
    std::array<std::u16string, kRowsPerPage> rowStrings{};
    std::array<Slot, kSlotsPerPage> slotStates{};

    static constexpr int PageRow(int j, int row) { return 2 * j + row - 1; }
    std::u16string& RowString(int j, int row) { return rowStrings[static_cast<std::size_t>(PageRow(j, row))]; }
    const std::u16string& RowString(int j, int row) const
    {
        return rowStrings[static_cast<std::size_t>(PageRow(j, row))];
    }
    // The table's row number and slot entry of page-relative slot j.
    int TableRow(int j, int row) const { return RowNumber(firstSlot + j, row); }
    int TableSlot(int j) const { return firstSlot + j - 1; }
};

// The loading step: the page's part of the table into its controls' values,
// the texts, the three boxes and the selections that the stored values name.
void LoadPage(const MessageTable& table, PageState& page);

// The boxes into the table: the two-rows boxes, then the clock boxes, then
// the selected boxes.
void PollBoxes(const PageState& page, MessageTable& table);

// A ticked clock box makes row 2 the live date and time, over whatever was
// typed; clearing the box empties the row once (the table's clockRowShown
// latch), and later typing stays.
void ShowClockRows(PageState& page, MessageTable& table, const std::u16string& clockRow);

// With "ENGLISH" chosen a slot keeps only the characters below U+0080.
void FilterLanguage(PageState& page);

}  // namespace velnar::model
