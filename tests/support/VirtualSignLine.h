#pragma once

#include "link/Pacer.h"
#include "link/SignLink.h"
#include "sign/VirtualLine.h"
#include "sign/VirtualSign.h"
#include "model/MessageTable.h"
#include "tests/support/FixedClock.h"

namespace velnar::testing {

// A virtual sign on an in-process line in virtual time: sends run instantly, frames decoded.
struct VirtualSignLine {
    VirtualSignLine() { sign::AttachSign(line, sign); }
    VirtualSignLine(const VirtualSignLine&) = delete;
    VirtualSignLine& operator=(const VirtualSignLine&) = delete;

    link::VirtualClock pacer;
    sign::VirtualLine line{pacer};
    sign::VirtualSign sign;
    FixedClock localTime;
    model::MessageTable table;
    link::SignLink link{line, pacer, table};
};

}  // namespace velnar::testing
