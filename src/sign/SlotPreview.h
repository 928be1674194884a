#pragma once

#include <string>
#include <vector>

#include "link/SlotSnapshot.h"
#include "model/MessageTable.h"
#include "sign/VirtualSign.h"

namespace velnar::link {
class LocalClock;
}

namespace velnar::sign {

// What the sign holds once these slots have been sent, in order: each goes
// through the editor's own send path, in virtual time, to a virtual sign
// that takes every frame. So the preview shows what a send puts on the
// line: the row strings, the modes, the animation, brightness and speed,
// the clock row. `table` gives the stored levels of page-1 slots; the send
// writes into this copy only.
SignState PreviewSign(const std::vector<link::SlotSnapshot>& slots, model::MessageTable table,
                      const link::LocalClock& clock);

// What the operator should know of each row of a slot before sending it:
// its length against its limit ("SATIR 1: 12/106"), then a warning for a row
// too long to send, for characters the sign has no code for (and what goes
// out instead), for a row that will not read back from the message file,
// and for a row wider than the board whose animation does not scroll.
std::vector<std::string> RowNotes(const link::SlotSnapshot& slot, const model::MessageTable& table, int columns);

}  // namespace velnar::sign
