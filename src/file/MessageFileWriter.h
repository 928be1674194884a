#pragma once

#include <string>

#include "model/MessageTable.h"

namespace velnar::file {

// The whole file for the table: the 32 markers with their row texts, then the
// attribute tail. Row texts are written as they are, without escape; a text
// that holds the next row's marker does not read back (RowsThatWillNotReadBack).
std::u16string EncodeMessageFile(const model::MessageTable& table);

// The same as the bytes on disk.
std::string MessageFileBytes(const model::MessageTable& table);

}  // namespace velnar::file
