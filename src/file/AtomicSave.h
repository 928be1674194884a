#pragma once

#include <filesystem>
#include <string>

#include "file/FileAccess.h"
#include "file/FileIo.h"

namespace velnar::file {

// Puts the bytes in the file's place with one rename of a temporary written
// beside it, so a failed save leaves the file that was there untouched and no
// temporary behind.
//
// Symbolic links are followed to their end, relative ones from their own
// folder, and the file they end at is written: the links stay, also when that
// file does not exist yet. What is in the place is kept from being lost to a
// plain file: a pipe, a device or a folder is refused, and so is a file this
// process may not write, as writing it in place would be. A replaced file
// keeps its permissions, and its owner and group where the process may give
// them. The rename replaces this one name: other hard links to the old file
// keep the old bytes.
FileResult SaveFileAtomically(const std::filesystem::path& path, const std::string& bytes, const FileAccess& access);

}  // namespace velnar::file
