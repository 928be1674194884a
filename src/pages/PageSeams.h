#pragma once

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {
class LocalClock;
}

namespace velnar::dialogs {
class ModalRunner;
}

namespace velnar::pages {

class SendSession;

// What a page meets the rest of the program through, handed in by the main
// window: the table its controls edit, the clock its clock rows show, the
// send session that puts its slots on the line, and the runner of its modal
// notices.
struct PageSeams {
    model::MessageTable& table;
    const link::LocalClock& clock;
    SendSession& session;
    dialogs::ModalRunner& modal;
};

}  // namespace velnar::pages
