// Sixteen full slots sent whole (SEND ALL), one slot edited, then only what
// changed: how long each takes on the line, in the virtual time of the
// sign's pacing (the time the operator waits with a sign that answers at
// once).
#include <array>
#include <cstdio>

#include "link/LocalClock.h"
#include "link/Pacer.h"
#include "link/SendBatches.h"
#include "link/SendRun.h"
#include "link/SignLink.h"
#include "link/SignRecord.h"
#include "link/SlotSender.h"
#include "sign/VirtualLine.h"
#include "model/MessageTable.h"
#include "sign/VirtualSign.h"

int main()
{
    using namespace velnar;
    link::VirtualClock pacer;
    sign::VirtualLine line(pacer);
    sign::VirtualSign sign;
    sign::AttachSign(line, sign);
    model::MessageTable table;
    link::SignLink signLink(line, pacer, table);
    signLink.OpenLink(0);
    link::SystemLocalClock clock;
    link::SlotSender sender(signLink, clock, table);

    // Both rows of every slot as long as two-row mode takes.
    for (int slot = 1; slot <= model::kSlotCount; ++slot) {
        table.slotTwoRows[static_cast<std::size_t>(model::SlotIndex(slot))] = 1;
        for (int row = 1; row <= 2; ++row)
            table.rowText[static_cast<std::size_t>(model::RowNumber(slot, row))] =
                std::u16string(link::kTwoRowLimit, u'A' + static_cast<char16_t>(slot));
    }
    link::SignRecord record;
    const auto run = [&](const std::vector<int>& slots, bool sendAll) {
        link::SendRun sendRun(slots, table, [&pacer] { return pacer.NowMs(); });
        const link::SendOneSlot sendSlot = [&](int slot) {
            return sendRun.SendSlot(sender, link::SnapshotFromTable(table, slot));
        };
        const std::int64_t startMs = pacer.NowMs();
        if (sendAll) {
            table.sendAllRequested = 1;
            link::TakeUpSendAllPage1(table, sendSlot);
            link::TakeUpSendAllPage2(table, sendSlot);
        } else {
            for (const int slot : slots)
                sendSlot(slot);
        }
        record.TakeRun(sendRun);
        return pacer.NowMs() - startMs;
    };
    std::vector<int> all;
    for (int slot = 1; slot <= model::kSlotCount; ++slot)
        all.push_back(slot);
    const std::int64_t sendAllMs = run(all, true);

    table.rowText[static_cast<std::size_t>(model::RowNumber(7, 1))][0] = u'Z';
    std::array<link::SlotSnapshot, model::kSlotCount> now;
    for (int slot = 1; slot <= model::kSlotCount; ++slot)
        now[static_cast<std::size_t>(model::SlotIndex(slot))] = link::SnapshotFromTable(table, slot);
    const std::vector<int> changed = link::ChangedSlots(record, now);
    const std::int64_t changedMs = run(changed, false);

    std::printf("send what changed: %zu of %d slots, %.1f s against SEND ALL %.0f s (ratio %.3f)\n", changed.size(),
                model::kSlotCount, changedMs / 1000.0, sendAllMs / 1000.0,
                static_cast<double>(changedMs) / static_cast<double>(sendAllMs));
    return 0;
}
