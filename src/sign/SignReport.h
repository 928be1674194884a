#pragma once

#include <string>

#include "sign/VirtualSign.h"

namespace velnar::sign {

// What a frame carries, in words, for example
// `TEXT slot 3 row 1 block 1/1 "MERHABA" animation 1`: the row's text as the
// sign shows it, or the brightness and speed, or the date and time.
std::string DescribeContent(const link::Frame& frame);

// One line for a frame the virtual sign received: its content and
// `accepted`, `refused`, `bad checksum` or `unanswered`.
std::string DescribeFrame(const VirtualSign::FrameEvent& event);

// One line for what the sign holds for a slot, for example
// `slot 3: two rows, selected, clock row off | row 1 "MERHABA" animation 1
// brightness 8 speed 4 | row 2 "" animation 0 brightness 0 speed 0`.
std::string DescribeSlot(const SignSlot& slot, int slotIndex);

}  // namespace velnar::sign
