#pragma once

#include <QString>
#include <functional>

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {
class LocalClock;
class SlotSender;
}  // namespace velnar::link

namespace velnar::dialogs {
class ModalRunner;
}

namespace velnar::pages {

// What a page meets the rest of the program through, handed in by the main
// window: the table its controls edit, the clock its clock rows show, the
// sender that puts its slots on the line, the runner of its modal notices,
// and why the selected port does not work (empty while it does).
struct PageSeams {
    model::MessageTable& table;
    const link::LocalClock& clock;
    link::SlotSender& sender;
    dialogs::ModalRunner& modal;
    std::function<QString()> portProblem;
};

}  // namespace velnar::pages
