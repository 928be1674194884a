#pragma once

#include <functional>

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {

// Sends one slot and shows what it calls for; false when the operator chose
// to stop the rest of the run.
using SendOneSlot = std::function<bool(int slot)>;

// The page's eight slots in order, with pageBatchActive set throughout so
// that only the page's last slot may report completion. Returns false when
// the operator stopped it.
bool SendPageBatch(model::MessageTable& table, int page, const SendOneSlot& sendSlot);

// Page 1's share of SEND ALL, from its timer: takes up sendAllRequested,
// sends slots 1 to 8 and hands over to page 2. A run the operator stopped
// does not hand over.
void TakeUpSendAllPage1(model::MessageTable& table, const SendOneSlot& sendSlot);

// Page 2's share: takes up sendAllPage2Turn and sends slots 9 to 16.
void TakeUpSendAllPage2(model::MessageTable& table, const SendOneSlot& sendSlot);

}  // namespace velnar::link
