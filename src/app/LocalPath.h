#pragma once

#include <QString>
#include <filesystem>

namespace velnar::app {

// A path from the windows as the file system names it: UTF-16 on Windows,
// the local 8-bit encoding of file names elsewhere.
std::filesystem::path LocalPath(const QString& path);

}  // namespace velnar::app
