#include "FileLength.h"

#include "ExtendedLengthPath.h"

#include <windows.h>

// Through the \\?\ form, as the file reader opens the file: the C runtime's stat, which the
// standard library asks, refuses both that form and paths of MAX_PATH characters and more. Like
// that stat, it reports a symbolic link's own entry.
std::optional<std::uintmax_t> fileLength(const std::filesystem::path &path)
{
    const std::wstring name = extendedLengthPath(path);
    WIN32_FILE_ATTRIBUTE_DATA found{};
    if (name.empty() || !GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &found))
        return std::nullopt;
    if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return 0;
    return std::uintmax_t{found.nFileSizeHigh} << 32 | found.nFileSizeLow;
}
