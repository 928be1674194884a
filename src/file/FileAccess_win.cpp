#include "file/FileAccess.h"

namespace velnar::file {

namespace {

// The read-only attribute is what stops a write here; files get the owner of
// whoever creates them, and the folder's permissions pass to a new file.
class WindowsFileAccess final : public FileAccess {
public:
    std::error_code CheckWritable(const std::filesystem::path& file) const override
    {
        std::error_code error;
        const std::filesystem::perms mode = std::filesystem::status(file, error).permissions();
        if (error)
            return error;
        if ((mode & std::filesystem::perms::owner_write) == std::filesystem::perms::none)
            return std::make_error_code(std::errc::permission_denied);
        return {};
    }

    std::optional<FileOwner> Owner(const std::filesystem::path&) const override { return std::nullopt; }

    std::error_code SetOwner(const std::filesystem::path&, const FileOwner&) const override
    {
        return std::make_error_code(std::errc::operation_not_supported);
    }
};

}  // namespace

const FileAccess& SystemFileAccess()
{
    static const WindowsFileAccess access;
    return access;
}

}  // namespace velnar::file
