#pragma once

#include <string>

// The separator of the platform's own paths. On Linux and macOS a backslash is an ordinary
// character of a file name, so only the slash separates.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The part of sFileIn after its last separator: the whole text when there is none, empty text
// when the text ends in one. Case, spaces, dots and extension are kept exactly as they stand.
std::string ParseFileName(const std::string &sFileIn, char separator = kPathSeparator);
