#pragma once

#include <QPoint>
#include <cstdint>

#include "link/SendBatches.h"
#include "model/MessageTable.h"
#include "res/PageLayout.h"

namespace velnar::pages {

// What makes a message page the first or the second: its layout (template,
// control identifiers, slot numbers) and the hand-over flags it answers.
// Every other difference follows from the slots: page-relative slot j is
// slot layout.firstSlot + j, and its rows are the table's rows of that slot.
struct PageConfig {
    int page;  // 1 or 2
    const res::PageLayout& layout;
    std::uint8_t model::MessageTable::*fileLoaded;  // taken up by the loading step
    // The page's share of SEND ALL, taken up from its timer when its flag
    // is raised.
    std::uint8_t model::MessageTable::*sendAllTurn;
    void (*takeUpSendAll)(model::MessageTable&, const link::SendOneSlot&);
    // Where "Sending Data!" is painted, in page pixels: x, and y for slot 0;
    // each further slot is kProgressLineStep lower.
    QPoint progressLabel;
};

constexpr int kProgressLineStep = 45;

extern const PageConfig kFirstPageConfig;
extern const PageConfig kSecondPageConfig;

}  // namespace velnar::pages
