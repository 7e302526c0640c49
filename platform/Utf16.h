#pragma once

#include <string>
#include <string_view>

// The program's texts are UTF-8; Windows' W functions take and give UTF-16. These convert at
// that boundary. Bytes that are not UTF-8 become U+FFFD rather than failing: a text shown to
// the user or handed to the shell is still better with a replacement character than empty.
namespace platform {

std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

// Text from the system's ANSI functions (the registry's A calls), in the ANSI code page.
std::wstring ansiToUtf16(std::string_view ansi);

} // namespace platform
