#pragma once

#include <string>

#include "model/MessageTable.h"

namespace velnar::app {

// What the message file held at the last OPEN or SAVE, or what the table
// held at start-up. Kept as the bytes a save would write, so that every
// field the file keeps counts as an edit and nothing else does (the flags,
// the port), and the pages need not report their edits.
class SavedContent {
public:
    void Remember(const model::MessageTable& table);
    bool Matches(const model::MessageTable& table) const;

private:
    std::string bytes_;
};

}  // namespace velnar::app
