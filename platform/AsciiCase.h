#pragma once

#include <algorithm>
#include <string_view>

namespace platform {

// Compares without regard to case in ASCII letters only, whatever the locale: for names that
// programs and systems spell in ASCII, such as registry keys and desktop names.
inline bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace platform
