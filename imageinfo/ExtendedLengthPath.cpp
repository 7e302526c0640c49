#include "ExtendedLengthPath.h"

#include <windows.h>

std::wstring extendedLengthPath(const std::filesystem::path &path)
{
    if (path.empty())
        return {};
    // The W function takes paths of any length; it answers a short buffer with the size needed.
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length);
        length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size())
        return path.wstring();
    full.resize(length);
    if (full.starts_with(LR"(\\?\)") || full.starts_with(LR"(\\.\)"))
        return full;
    if (full.starts_with(LR"(\\)"))
        return LR"(\\?\UNC\)" + full.substr(2);
    return LR"(\\?\)" + full;
}
