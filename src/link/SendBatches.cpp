#include "link/SendBatches.h"

#include "model/MessageTable.h"

namespace velnar::link {

bool SendPageBatch(model::MessageTable& table, int page, const SendOneSlot& sendSlot)
{
    table.pageBatchActive = 1;
    const int first = (page - 1) * model::kSlotsPerPage + 1;
    bool completed = true;
    for (int slot = first; slot < first + model::kSlotsPerPage && completed; ++slot)
        completed = sendSlot(slot);
    table.pageBatchActive = 0;
    return completed;
}

// Every consumer clears its flag before it sends: a modal notice inside the
// batch lets the timers tick, and they must not start the same run twice.
void TakeUpSendAllPage1(model::MessageTable& table, const SendOneSlot& sendSlot)
{
    if (!table.sendAllRequested)
        return;
    table.sendAllRequested = 0;
    table.sendAllActive = 1;
    if (SendPageBatch(table, 1, sendSlot))
        table.sendAllPage2Turn = 1;
    else
        table.sendAllActive = 0;
}

void TakeUpSendAllPage2(model::MessageTable& table, const SendOneSlot& sendSlot)
{
    if (!table.sendAllPage2Turn)
        return;
    table.sendAllPage2Turn = 0;
    table.sendAllActive = 0;
    SendPageBatch(table, 2, sendSlot);
}

}  // namespace velnar::link
