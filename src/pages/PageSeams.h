#pragma once

namespace velnar::model {
struct MessageTable;
}

namespace velnar::link {
class LocalClock;
}

namespace velnar::pages {

// What a page meets the rest of the program through: the table its controls
// edit and the clock its clock rows show. The main window hands them in.
struct PageSeams {
    model::MessageTable& table;
    const link::LocalClock& clock;
};

}  // namespace velnar::pages
