#include "FileLength.h"

#include "ExtendedLengthPath.h"

#include <memory>
#include <windows.h>

// The length of what the file reader opens: the file a symbolic link or junction leads to, not the
// link's own entry, which is what the C runtime's stat and GetFileAttributesExW describe. Opened
// through the \\?\ form, which takes paths of any length, sharing everything as the reader does,
// and only to read attributes, so a file held open by another program is measured all the same;
// backup semantics let a folder be opened too.
std::optional<std::uintmax_t> fileLength(const std::filesystem::path &path)
{
    const std::wstring name = extendedLengthPath(path);
    if (name.empty())
        return std::nullopt;
    constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE opened = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, shareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (opened == INVALID_HANDLE_VALUE)
        return std::nullopt;
    const std::unique_ptr<void, decltype(&CloseHandle)> file(opened, &CloseHandle);
    // A pipe or a device is there, but has no length worth reporting.
    if (GetFileType(opened) != FILE_TYPE_DISK)
        return 0;
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(opened, FileStandardInfo, &standard, sizeof standard))
        return std::nullopt;
    if (standard.Directory)
        return 0;
    return static_cast<std::uintmax_t>(standard.EndOfFile.QuadPart);
}
