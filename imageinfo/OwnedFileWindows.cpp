#include "OwnedFileWindows.h"

#include "ExtendedLengthPath.h"

OwnedFile openSharingAll(const std::filesystem::path &path, DWORD access, DWORD flags)
{
    const std::wstring name = extendedLengthPath(path);
    if (name.empty())
        return nullptr;
    constexpr DWORD shareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    const HANDLE file = CreateFileW(name.c_str(), access, shareAll, nullptr, OPEN_EXISTING, flags, nullptr);
    return OwnedFile(file != INVALID_HANDLE_VALUE ? file : nullptr);
}
