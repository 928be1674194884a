#include "model/PageState.h"

namespace velnar::model {

void LoadPage(const MessageTable& table, PageState& page)
{
    for (int j = 0; j < kSlotsPerPage; ++j) {
        PageState::Slot& slot = page.slotStates[static_cast<std::size_t>(j)];
        const auto entry = static_cast<std::size_t>(page.TableSlot(j));
        slot.clock = table.slotClock[entry] != 0;
        slot.selected = table.slotSelected[entry] != 0;
        slot.twoRows = table.slotTwoRows[entry] != 0;
        for (int row = 1; row <= 2; ++row) {
            const auto k = static_cast<std::size_t>(page.TableRow(j, row));
            PageState::Row& values = slot.rows[static_cast<std::size_t>(row - 1)];
            page.RowString(j, row) = table.rowText[k];
            values.brightness = LevelItemOf(table.rowBrightness[k]);
            values.speed = LevelItemOf(table.rowSpeed[k]);
            values.animation = AnimationItemOf(table.rowAnimation[k]);
        }
    }
}

void PollBoxes(const PageState& page, MessageTable& table)
{
    for (int j = 0; j < kSlotsPerPage; ++j)
        table.slotTwoRows[static_cast<std::size_t>(page.TableSlot(j))] = page.slotStates[static_cast<std::size_t>(j)].twoRows;
    for (int j = 0; j < kSlotsPerPage; ++j)
        table.slotClock[static_cast<std::size_t>(page.TableSlot(j))] = page.slotStates[static_cast<std::size_t>(j)].clock;
    for (int j = 0; j < kSlotsPerPage; ++j)
        table.slotSelected[static_cast<std::size_t>(page.TableSlot(j))] = page.slotStates[static_cast<std::size_t>(j)].selected;
}

void ShowClockRows(PageState& page, MessageTable& table, const std::u16string& clockRow)
{
    for (int j = 0; j < kSlotsPerPage; ++j) {
        std::uint8_t& shown = table.clockRowShown[static_cast<std::size_t>(page.TableSlot(j))];
        if (page.slotStates[static_cast<std::size_t>(j)].clock) {
            page.RowString(j, 2) = clockRow;
            shown = 1;
        } else if (shown) {
            page.RowString(j, 2).clear();
            shown = 0;
        }
    }
}

void FilterLanguage(PageState& page)
{
    for (int j = 0; j < kSlotsPerPage; ++j) {
        if (page.slotStates[static_cast<std::size_t>(j)].language != kEnglishItem)
            continue;
        for (int row = 1; row <= 2; ++row) {
            std::u16string kept;
            for (char16_t unit : page.RowString(j, row)) {
                if (unit < 0x80)
                    kept.push_back(unit);
            }
            page.RowString(j, row) = std::move(kept);
        }
    }
}

}  // namespace velnar::model
