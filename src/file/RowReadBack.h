#pragma once

#include <string>
#include <vector>

#include "model/MessageTable.h"

namespace velnar::file {

// A row whose text will not read back from the file as it is: slot 1..16,
// row 1..2, why, in words for the operator, and what it would read back as.
struct RowMismatch {
    int slot;
    int row;
    std::string reason;
    std::u16string readBack;
};

// The file has no escape, so a text that holds the marker of the row after it
// ("2," in "12,50" of slot 1 row 1) splits there, and the rows after it are
// read with the wrong text. Found by reading back what a save would write.
std::vector<RowMismatch> RowsThatWillNotReadBack(const model::MessageTable& table);

}  // namespace velnar::file
