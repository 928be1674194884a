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
