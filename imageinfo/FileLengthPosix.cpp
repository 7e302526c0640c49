#include "FileLength.h"

// On POSIX systems the standard library's status and file_size are stat(2) itself.
std::optional<std::uintmax_t> fileLength(const std::filesystem::path &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return std::nullopt;
    if (!std::filesystem::is_regular_file(status))
        return 0;
    const auto length = std::filesystem::file_size(path, error);
    if (error)
        return std::nullopt;
    return length;
}
