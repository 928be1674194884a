#include "file/FileIo.h"

#include <cerrno>
#include <fstream>

namespace velnar::file {

FileResult Failure(const std::error_code& error)
{
    return {false, error.message()};
}

FileResult StreamFailure(int errorNumber)
{
    return Failure(errorNumber != 0 ? std::error_code(errorNumber, std::generic_category())
                                    : std::make_error_code(std::errc::io_error));
}

FileResult ReadFileBytes(const std::filesystem::path& path, std::string& bytes)
{
    // POSIX opens a folder and fails the read, Windows refuses the open as
    // "Permission denied": asking first gives the operator the same reason
    // everywhere, as a save does.
    std::error_code unknownType;
    if (std::filesystem::is_directory(path, unknownType))
        return Failure(std::make_error_code(std::errc::is_a_directory));
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return StreamFailure(errno);
    std::error_code unknownSize;
    const std::uintmax_t size = std::filesystem::file_size(path, unknownSize);
    if (!unknownSize)
        bytes.reserve(static_cast<std::size_t>(size));
    std::string piece(std::size_t{1} << 16, '\0');
    while (in) {
        in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
        bytes.append(piece.data(), static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        return StreamFailure(errno);
    return {};
}

}  // namespace velnar::file
