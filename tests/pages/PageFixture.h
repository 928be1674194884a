#pragma once

#include "link/SlotSender.h"
#include "pages/CFirstPage.h"
#include "pages/CSecondPage.h"
#include "pages/SendSession.h"
#include "tests/support/RecordingRunner.h"
#include "tests/support/VirtualSignLine.h"

namespace velnar::testing {

// Both pages on a virtual sign in virtual time, notices recorded.
struct Pages {
    VirtualSignLine line;
    model::MessageTable& table = line.table;
    FixedClock& clock = line.localTime;
    link::SlotSender sender{line.link, clock, table};
    RecordingRunner modal;
    QString portProblem;
    pages::SendSession session{line.link, sender, table, [this] { return line.pacer.Now(); },
                               [this] { return portProblem; }};
    pages::PageSeams seams{table, clock, session, modal};
    pages::CFirstPage first{seams};
    pages::CSecondPage second{seams};

    pages::MessagePage& Page(int page) { return page == 1 ? static_cast<pages::MessagePage&>(first) : second; }
};

}  // namespace velnar::testing
