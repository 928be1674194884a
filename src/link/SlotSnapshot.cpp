#include "link/SlotSnapshot.h"

#include "model/MessageTable.h"
#include "model/PageState.h"
#include "model/Selectors.h"

namespace velnar::link {

SlotSnapshot SnapshotFromTable(const model::MessageTable& table, int slot)
{
    SlotSnapshot snapshot;
    snapshot.slot = slot;
    for (int r = 0; r < 2; ++r) {
        const auto row = static_cast<std::size_t>(model::RowNumber(slot, r + 1));
        SlotSnapshot::Row& target = snapshot.rows[static_cast<std::size_t>(r)];
        target.text = table.rowText[row];
        target.animationItem = model::AnimationItemOf(table.rowAnimation[row]);
        target.brightnessItem = model::LevelItemOf(table.rowBrightness[row]);
        target.speedItem = model::LevelItemOf(table.rowSpeed[row]);
    }
    const auto index = static_cast<std::size_t>(model::SlotIndex(slot));
    snapshot.twoRows = table.slotTwoRows[index] != 0;
    snapshot.selected = table.slotSelected[index] != 0;
    snapshot.clock = table.slotClock[index] != 0;
    return snapshot;
}

SlotSnapshot SnapshotOfPage(const model::PageState& page, int j)
{
    const model::PageState::Slot& slot = page.slotStates[static_cast<std::size_t>(j)];
    SlotSnapshot snapshot;
    snapshot.slot = page.firstSlot + j;
    for (int r = 0; r < 2; ++r) {
        const model::PageState::Row& values = slot.rows[static_cast<std::size_t>(r)];
        snapshot.rows[static_cast<std::size_t>(r)] = {page.RowString(j, r + 1), values.animation, values.brightness,
                                                      values.speed};
    }
    snapshot.twoRows = slot.twoRows;
    snapshot.selected = slot.selected;
    snapshot.clock = slot.clock;
    return snapshot;
}

}  // namespace velnar::link
