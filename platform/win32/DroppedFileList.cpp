#include "DroppedFileList.h"

#include <shellapi.h>

namespace win32 {

std::vector<std::filesystem::path> filesIn(HDROP files)
{
    std::vector<std::filesystem::path> paths;
    const UINT count = DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(files, i, nullptr, 0), L'\0');
        DragQueryFileW(files, i, path.data(), static_cast<UINT>(path.size() + 1));
        paths.emplace_back(std::move(path));
    }
    return paths;
}

} // namespace win32
