#pragma once

#include <array>
#include <vector>

// The layout of the two message pages: which identifier each control of a
// slot carries and where its column and line lie, in dialog units. The page
// templates are built from these tables, and the pages bind their controls
// through the same identifiers.
namespace velnar::res {

constexpr int kPageSlots = 8;
using SlotIds = std::array<int, kPageSlots>;  // by page-relative slot 0..7

// The controls of one text row (row 1 upper, row 2 lower) of the eight slots.
struct PageRowIds {
    SlotIds edit;
    SlotIds animation;
    SlotIds brightness;
    SlotIds speed;
};

struct PageIds {
    std::array<PageRowIds, 2> rows;  // row 1, row 2
    SlotIds language;                // hidden and disabled
    SlotIds twoRows;                 // on line 1, under "SATIR"
    SlotIds selected;                // on line 1, under "SEÇİM"
    SlotIds clock;                   // on line 2, under "SAAT"
    SlotIds send;                    // on line 1, taken over by CHotButton
    int showInTurnButton = 1117;     // "SIRAYLA GÖSTER"
    int languageLabel = 1119;        // "DİL", hidden
    int selectionLabel = 1120;       // "SEÇİM", heads the selected boxes
    int animationLabel = 1121;       // "ANİMASYON", heads the animation column
};

struct PageColumn {
    int x;
    int width;
};

struct PageColumns {
    PageColumn number;  // the slot number
    PageColumn twoRows;
    PageColumn edit;
    PageColumn animation;
    PageColumn brightness;
    PageColumn speed;
    PageColumn clock;
    PageColumn selected;
    PageColumn send;
};

// A column header at y 0; id kNoId for the fixed ones.
struct PageHeader {
    int id;
    const char* text;
    int x;
    int width;
};

// A control whose width differs from its column's.
struct WidthException {
    int id;
    int width;
};

struct PagePoint {
    int x;
    int y;
};

struct PageLayout {
    int templateId;
    const char* caption;  // the tab's text
    int width;
    int height;
    int firstSlot;  // the number shown at slot 0
    PageIds ids;
    PageColumns columns;
    std::array<std::array<int, 2>, kPageSlots> lineY;  // y of row 1 and row 2 per slot
    std::vector<PageHeader> headers;
    PagePoint languageSelectors;  // all eight lie here, under the hidden label
    PagePoint showInTurnButton;
    int showInTurnWidth;
    std::vector<WidthException> widthExceptions;
};

extern const PageLayout kFirstPageLayout;   // template 107, slots 1 to 8
extern const PageLayout kSecondPageLayout;  // template 108, slots 9 to 16

}  // namespace velnar::res
