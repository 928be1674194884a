#include "file/AtomicSave.h"

#include <cerrno>
#include <cstdint>
#include <fstream>
#include <random>

namespace velnar::file {

namespace fs = std::filesystem;

namespace {

// As many links as the system itself follows before it calls it a loop.
constexpr int kMostLinksFollowed = 40;

// The name the save lands on, and what is there now (not found for a new
// file, also at the end of a link whose file is missing).
FileResult FollowLinks(fs::path& target, fs::file_status& found)
{
    for (int followed = 0;; ++followed) {
        std::error_code error;
        found = fs::symlink_status(target, error);
        if (found.type() == fs::file_type::none)
            return Failure(error);
        if (!fs::is_symlink(found))
            return {};
        if (followed == kMostLinksFollowed)
            return Failure(std::make_error_code(std::errc::too_many_symbolic_link_levels));
        const fs::path next = fs::read_symlink(target, error);
        if (error)
            return Failure(error);
        target = target.parent_path() / next;
    }
}

std::string NotAFileReason(fs::file_type type)
{
    switch (type) {
    case fs::file_type::directory: return std::make_error_code(std::errc::is_a_directory).message();
    case fs::file_type::fifo: return "It is a named pipe, not a regular file";
    case fs::file_type::block:
    case fs::file_type::character: return "It is a device, not a regular file";
    case fs::file_type::socket: return "It is a socket, not a regular file";
    default: return "It is not a regular file";
    }
}

// A short name of its own, so that a target with a long name still has room
// for its temporary beside it.
fs::path TemporaryBeside(const fs::path& target)
{
    std::random_device source;
    const std::uint64_t number = (static_cast<std::uint64_t>(source()) << 32) ^ source();
    std::string name = ".velnar-";
    for (int shift = 60; shift >= 0; shift -= 4)
        name.push_back("0123456789abcdef"[(number >> shift) & 0xF]);
    return target.parent_path() / (name + ".tmp");
}

FileResult WriteNewFile(const fs::path& path, const std::string& bytes)
{
    errno = 0;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.is_open())
        return StreamFailure(errno);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail())
        return StreamFailure(errno);
    return {};
}

// Owner first: giving a file away clears its set-user and set-group bits.
void KeepOwnerAndPermissions(const fs::path& old, const fs::file_status& oldStatus, const fs::path& temporary,
                             const FileAccess& access)
{
    // Where the process may not, the file becomes the saving user's, as any
    // editor leaves it; that is no reason to fail the save.
    if (const std::optional<FileOwner> owner = access.Owner(old))
        access.SetOwner(temporary, *owner);
    std::error_code keepDefaultPermissions;
    fs::permissions(temporary, oldStatus.permissions(), keepDefaultPermissions);
}

}  // namespace

FileResult SaveFileAtomically(const fs::path& path, const std::string& bytes, const FileAccess& access)
{
    fs::path target = path;
    fs::file_status old;
    FileResult result = FollowLinks(target, old);
    if (!result.ok)
        return result;
    const bool replacing = fs::exists(old);
    if (replacing && !fs::is_regular_file(old))
        return {false, NotAFileReason(old.type())};
    if (replacing) {
        if (const std::error_code refused = access.CheckWritable(target))
            return Failure(refused);
    }

    const fs::path temporary = TemporaryBeside(target);
    result = WriteNewFile(temporary, bytes);
    if (result.ok) {
        if (replacing)
            KeepOwnerAndPermissions(target, old, temporary, access);
        std::error_code error;
        fs::rename(temporary, target, error);
        if (error)
            result = Failure(error);
    }
    if (!result.ok) {
        std::error_code alreadyGone;
        fs::remove(temporary, alreadyGone);
    }
    return result;
}

}  // namespace velnar::file
