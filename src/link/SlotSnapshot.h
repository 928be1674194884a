#pragma once

#include <array>
#include <string>

namespace velnar::model {
struct MessageTable;
struct PageState;
}  // namespace velnar::model

namespace velnar::link {

// One slot as its page holds it at the moment of sending: the row texts of
// the edits, the selectors' items (model::kNoItem when none is selected) and
// the three boxes.
struct SlotSnapshot {
    struct Row {
        std::u16string text;
        int animationItem = 0;
        int brightnessItem = 0;
        int speedItem = 0;

        bool operator==(const Row& other) const
        {
            return text == other.text && animationItem == other.animationItem &&
                   brightnessItem == other.brightnessItem && speedItem == other.speedItem;
        }
    };

    int slot = 1;  // 1..16
    std::array<Row, 2> rows{};
    bool twoRows = false;
    bool selected = false;
    bool clock = false;

    bool operator==(const SlotSnapshot& other) const
    {
        return slot == other.slot && rows == other.rows && twoRows == other.twoRows && selected == other.selected &&
               clock == other.clock;
    }
    bool operator!=(const SlotSnapshot& other) const { return !(*this == other); }
};

// The slot as the editor shows it right after opening a file with `table`:
// texts as stored, and the selectors on the items their values name.
SlotSnapshot SnapshotFromTable(const model::MessageTable& table, int slot);

// Page-relative slot j as its page's controls hold it.
SlotSnapshot SnapshotOfPage(const model::PageState& page, int j);

}  // namespace velnar::link
