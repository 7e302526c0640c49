#include "WindowsFileTest.h"

#include <windows.h>

namespace platform {

std::string WindowsFileTest::ordinaryFileName(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    constexpr DWORD notOrdinary = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & notOrdinary) != 0)
        return {};
    const auto separator = path.find_last_of("\\/:");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

} // namespace platform
