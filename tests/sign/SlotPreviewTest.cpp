#include <gtest/gtest.h>

#include "model/MessageTable.h"
#include "sign/SignDisplay.h"
#include "sign/SlotPreview.h"

namespace velnar::sign {
namespace {

link::SlotSnapshot Slot(int slot, std::u16string row1, bool twoRows)
{
    link::SlotSnapshot snapshot;
    snapshot.slot = slot;
    snapshot.twoRows = twoRows;
    snapshot.rows[0].text = std::move(row1);
    return snapshot;
}

// Each row's length against its limit, then what will not arrive as typed.
TEST(SlotPreviewTest, RowNotesTellWhatWillNotArrive)
{
    const struct {
        const char* what;
        link::SlotSnapshot slot;
        std::vector<std::string> notes;
    } cases[] = {
        {"one row, too long", Slot(3, std::u16string(210, u'x'), false),
         {"SATIR 1: 210/209", "SATIR 1 will not be sent: 210 characters, at most 209 fit in one-row mode."}},
        {"characters without a code", Slot(3, u"Café ß\r\nA", true),
         {"SATIR 1: 9/106",
          "SATIR 1: the sign has no \"é\" \"ß\" line break: it shows \"e\" \"?\" blanks instead.", "SATIR 2: 0/106"}},
        {"the next row's marker", Slot(1, u"12,50", true),
         {"SATIR 1: 5/106",
          "SATIR 1 will not read back from the message file: the text holds \"2,\", the marker of the next row, "
          "and would be cut there.",
          "SATIR 2: 0/106",
          "SATIR 2 will not read back from the message file: a row before it holds its marker \"2,\", so it would "
          "be read with other text."}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RowNotes(c.slot, model::MessageTable{}, kDefaultBoardColumns), c.notes) << c.what;
}

}  // namespace
}  // namespace velnar::sign
