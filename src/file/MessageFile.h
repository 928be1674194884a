#pragma once

#include <filesystem>
#include <string>

#include "file/FileIo.h"
#include "file/RowReadBack.h"
#include "model/MessageTable.h"

namespace velnar::file {

// Writes the whole table to a temporary file beside the target and puts it in
// the target's place with one rename, so a failed save leaves the file that
// was there untouched and no temporary behind. A target that may not be
// written (read-only) is refused, as writing it in place would be. A target
// that is a symbolic link keeps its link: the file it points to is replaced.
FileResult SaveMessageFile(const std::filesystem::path& path, const model::MessageTable& table);

// Reads the whole file and only then replaces the table's texts and attribute
// blocks; a file that cannot be opened or read leaves the table as it was.
// Both file-loaded flags are set in every case, so the pages show the table.
FileResult LoadMessageFile(const std::filesystem::path& path, model::MessageTable& table);

}  // namespace velnar::file
