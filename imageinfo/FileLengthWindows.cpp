#include "FileLength.h"

#include "OwnedFileWindows.h"

// The length of what the file reader opens: the file a symbolic link or junction leads to, not the
// link's own entry, which is what the C runtime's stat and GetFileAttributesExW describe. Opened as
// the reader opens it, but only to read attributes, so a file held open by another program is
// measured all the same; backup semantics let a folder be opened too.
std::optional<std::uintmax_t> fileLength(const std::filesystem::path &path)
{
    const OwnedFile file = openSharingAll(path, FILE_READ_ATTRIBUTES, FILE_FLAG_BACKUP_SEMANTICS);
    if (!file)
        return std::nullopt;
    // A pipe or a device is there, but has no length worth reporting.
    if (GetFileType(file.get()) != FILE_TYPE_DISK)
        return 0;
    FILE_STANDARD_INFO standard{};
    if (!GetFileInformationByHandleEx(file.get(), FileStandardInfo, &standard, sizeof standard))
        return std::nullopt;
    if (standard.Directory)
        return 0;
    return static_cast<std::uintmax_t>(standard.EndOfFile.QuadPart);
}
