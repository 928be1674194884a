#include "file/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace velnar::file {

namespace {

class PosixFileAccess final : public FileAccess {
public:
    // The effective user decides, as it would for an open that writes.
    std::error_code CheckWritable(const std::filesystem::path& file) const override
    {
        if (faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) != 0)
            return {errno, std::generic_category()};
        return {};
    }

    std::optional<FileOwner> Owner(const std::filesystem::path& file) const override
    {
        struct stat info {};
        if (stat(file.c_str(), &info) != 0)
            return std::nullopt;
        return FileOwner{static_cast<std::int64_t>(info.st_uid), static_cast<std::int64_t>(info.st_gid)};
    }

    // Only root may give a file away; any user may hand it to one of its own
    // groups.
    std::error_code SetOwner(const std::filesystem::path& file, const FileOwner& owner) const override
    {
        const auto group = static_cast<gid_t>(owner.group);
        if (chown(file.c_str(), static_cast<uid_t>(owner.user), group) == 0)
            return {};
        const std::error_code refused(errno, std::generic_category());
        if (chown(file.c_str(), static_cast<uid_t>(-1), group) != 0)
            return {errno, std::generic_category()};
        return refused;
    }
};

}  // namespace

const FileAccess& SystemFileAccess()
{
    static const PosixFileAccess access;
    return access;
}

}  // namespace velnar::file
