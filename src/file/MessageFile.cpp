#include "file/MessageFile.h"

#include <cerrno>
#include <fstream>
#include <random>
#include <system_error>

#include "file/MessageFileFormat.h"
#include "file/MessageFileReader.h"
#include "file/MessageFileWriter.h"

namespace velnar::file {

namespace fs = std::filesystem;

namespace {

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

}  // namespace

FileResult SaveMessageFile(const fs::path& path, const model::MessageTable& table)
{
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(path, error)) {
        target = fs::weakly_canonical(path, error);
        if (error)
            return Failure(error);
    }

    const fs::file_status old = fs::status(target, error);
    if (fs::is_regular_file(old)) {
        errno = 0;
        const std::fstream probe(target, std::ios::in | std::ios::out | std::ios::binary);
        if (!probe.is_open())
            return StreamFailure(errno);
    }

    const fs::path temporary = TemporaryBeside(target);
    FileResult result = WriteNewFile(temporary, MessageFileBytes(table));
    if (result.ok) {
        if (fs::is_regular_file(old)) {
            std::error_code keepDefaultPermissions;
            fs::permissions(temporary, old.permissions(), keepDefaultPermissions);
        }
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

FileResult LoadMessageFile(const fs::path& path, model::MessageTable& table)
{
    std::string bytes;
    const FileResult result = ReadFileBytes(path, bytes);
    if (result.ok) {
        model::MessageTable loaded;
        CopyAttributeBlocks(table, loaded);
        ReadMessageFileBytes(bytes, loaded);
        table.rowText = std::move(loaded.rowText);
        CopyAttributeBlocks(loaded, table);
    }
    table.fileLoadedPage1 = 1;
    table.fileLoadedPage2 = 1;
    return result;
}

}  // namespace velnar::file
