#pragma once

#include <filesystem>
#include <string>
#include <system_error>

namespace velnar::file {

struct FileResult {
    bool ok = true;
    std::string reason;  // the system's own words for the failure; empty when ok
};

FileResult Failure(const std::error_code& error);

// File streams leave the system's reason in errno; when a stream fails
// without one, say what failed in the system's words for it.
FileResult StreamFailure(int errorNumber);

// The whole file, read before anyone acts on it.
FileResult ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

}  // namespace velnar::file
