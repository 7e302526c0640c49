#pragma once

#include <filesystem>
#include <string>

// The \\?\ form of a path, which Windows opens whatever its length and whatever the system's
// long-path setting: the path made absolute and normalised first (separators, "." and ".."),
// since Windows takes a \\?\ path literally; a network path \\server\share\... becomes
// \\?\UNC\server\share\.... Paths already in a device form (\\?\, \\.\) stay as they are.
// Empty for an empty path, which names no file.
std::wstring extendedLengthPath(const std::filesystem::path &path);
