#include <gtest/gtest.h>

#include "model/MessageTable.h"
#include "sign/SignDisplay.h"
#include "sign/SlotPreview.h"

namespace velnar::sign {
namespace {

link::SlotSnapshot Slot(int slot, std::u16string row1, std::u16string row2, bool twoRows, int animation = 0)
{
    link::SlotSnapshot snapshot;
    snapshot.slot = slot;
    snapshot.twoRows = twoRows;
    snapshot.rows[0] = {std::move(row1), animation, 0, 0};
    snapshot.rows[1] = {std::move(row2), 0, 0, 0};
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
        {"two short rows", Slot(3, u"MERHABA", u"HOŞ GELDİNİZ", true), {"SATIR 1: 7/106", "SATIR 2: 12/106"}},
        {"one row, too long", Slot(3, std::u16string(210, u'x'), u"", false),
         {"SATIR 1: 210/209", "SATIR 1 will not be sent: 210 characters, at most 209 fit in one-row mode."}},
        {"characters without a code", Slot(3, u"Café ß\r\nA", u"", true),
         {"SATIR 1: 9/106",
          "SATIR 1: the sign has no \"é\" \"ß\" line break: it shows \"e\" \"?\" blanks instead.", "SATIR 2: 0/106"}},
        {"the next row's marker", Slot(1, u"12,50", u"", true),
         {"SATIR 1: 5/106",
          "SATIR 1 will not read back from the message file: the text holds \"2,\", the marker of the next row, "
          "and would be cut there.",
          "SATIR 2: 0/106",
          "SATIR 2 will not read back from the message file: a row before it holds its marker \"2,\", so it would "
          "be read with other text."}},
        {"wider than the board, curtain", Slot(3, u"Indirim %50 € açık PERDELE", u"", true, 4),
         {"SATIR 1: 26/106",
          "SATIR 1 is wider than the board and its animation does not scroll: only \"Indirim %50 € açık PE\" shows "
          "(21 of 26 characters).",
          "SATIR 2: 0/106"}},
        {"wider than the board, scrolled", Slot(3, std::u16string(30, u'x'), u"", true, 1),
         {"SATIR 1: 30/106", "SATIR 2: 0/106"}},
        {"one row, doubled font", Slot(3, std::u16string(11, u'x'), u"", false),
         {"SATIR 1: 11/209", "SATIR 1 is wider than the board and its animation does not scroll: only \"xxxxxxxxxx\" "
                             "shows (10 of 11 characters)."}},
    };
    const model::MessageTable table;
    for (const auto& c : cases)
        EXPECT_EQ(RowNotes(c.slot, table, kDefaultBoardColumns), c.notes) << c.what;

    link::SlotSnapshot clockRow = Slot(3, u"A", u"typed", true);
    clockRow.clock = true;
    EXPECT_EQ(RowNotes(clockRow, table, kDefaultBoardColumns), std::vector<std::string>{"SATIR 1: 1/106"});
}

}  // namespace
}  // namespace velnar::sign
