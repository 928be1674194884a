#pragma once

#include <functional>

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {

// Sends one slot of a run; false once the run has been halted (Stop, or a
// port that stopped working), so that nothing more of it is sent.
using SendOneSlot = std::function<bool(int slot)>;

// The page's eight slots in order, each to its end, with pageBatchActive set
// throughout so that only the page's last slot may report completion.
// Returns false when the run was halted.
bool SendPageBatch(model::MessageTable& table, int page, const SendOneSlot& sendSlot);

// Page 1's share of SEND ALL, from its timer: takes up sendAllRequested,
// sends slots 1 to 8 and hands over to page 2. A halted run does not hand
// over.
void TakeUpSendAllPage1(model::MessageTable& table, const SendOneSlot& sendSlot);

// Page 2's share: takes up sendAllPage2Turn and sends slots 9 to 16.
void TakeUpSendAllPage2(model::MessageTable& table, const SendOneSlot& sendSlot);

}  // namespace velnar::link
