#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <system_error>

namespace velnar::file {

struct FileOwner {
    std::int64_t user = 0;
    std::int64_t group = 0;
};

// What a save asks of the operating system beyond the standard library:
// whether this process may write a file, and who owns it. Tests answer for
// the system, so that a refusal is checked whoever runs them.
class FileAccess {
public:
    virtual ~FileAccess() = default;

    // Empty when this process may write the existing file; else the system's
    // reason (permission bits, a read-only file system).
    virtual std::error_code CheckWritable(const std::filesystem::path& file) const = 0;

    // Empty where the system keeps no owners or the file cannot be examined.
    virtual std::optional<FileOwner> Owner(const std::filesystem::path& file) const = 0;

    // Gives the file this owner and group, or as much of them as the process
    // may; empty when both are kept, else the system's reason.
    virtual std::error_code SetOwner(const std::filesystem::path& file, const FileOwner& owner) const = 0;
};

const FileAccess& SystemFileAccess();

}  // namespace velnar::file
