#pragma once

#include <filesystem>
#include <string>

#include "file/FileIo.h"
#include "file/RowReadBack.h"
#include "model/MessageTable.h"

namespace velnar::file {

// Writes the whole table in the file's place as SaveFileAtomically does: a
// failed save leaves the file that was there untouched.
FileResult SaveMessageFile(const std::filesystem::path& path, const model::MessageTable& table);

// Reads the whole file and only then replaces the table's texts and attribute
// blocks; a file that cannot be opened or read leaves the table as it was.
// Both file-loaded flags are set in every case, so the pages show the table.
FileResult LoadMessageFile(const std::filesystem::path& path, model::MessageTable& table);

}  // namespace velnar::file
