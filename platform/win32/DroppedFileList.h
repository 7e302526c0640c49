#pragma once

#include <filesystem>
#include <vector>
#include <windows.h>

namespace win32 {

// The files a CF_HDROP block lists, a drop's or the clipboard's, in the order the source put them.
std::vector<std::filesystem::path> filesIn(HDROP files);

} // namespace win32
