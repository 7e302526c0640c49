#include "WebLinkShell.h"

#include <algorithm>

namespace win32 {

namespace {

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A scheme is a letter followed by letters, digits, "+", "-" or ".", up to the first colon.
bool hasScheme(const std::string &target)
{
    const auto colon = target.find(':');
    if (colon == std::string::npos || colon == 0 || !isAsciiLetter(target.front()))
        return false;
    return std::all_of(target.begin(), target.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return isAsciiLetter(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
    });
}

} // namespace

WebLinkShell::WebLinkShell(platform::ShellOpen &shell) : shell_(shell) {}

std::int32_t WebLinkShell::open(std::intptr_t ownerWindow, const std::optional<std::string> &verb,
                                const std::string &file, const std::optional<std::string> &parameters,
                                const std::optional<std::string> &directory, std::int32_t showCommand)
{
    const std::string target = file.empty() || hasScheme(file) ? file : "http://" + file;
    return shell_.open(ownerWindow, verb, target, parameters, directory, showCommand);
}

} // namespace win32
