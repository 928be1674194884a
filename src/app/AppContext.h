#pragma once

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {
class LocalClock;
class Pacer;
class SerialLibrary;
}  // namespace velnar::link

namespace velnar::dialogs {
class ModalRunner;
}

namespace velnar::app {

// Everything the editor's windows take from the world. main() wires the real
// ones; tests wire a recording serial line, a virtual clock, a fixed local
// time, a table of their own and a runner that records dialogs.
struct AppContext {
    link::SerialLibrary& library;
    link::Pacer& pacer;
    const link::LocalClock& clock;
    model::MessageTable& table;
    dialogs::ModalRunner& modal;
};

}  // namespace velnar::app
