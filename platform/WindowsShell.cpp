#include "WindowsShell.h"

#include "Utf16.h"

#include <windows.h>
// after windows.h, which it builds on
#include <shellapi.h>

namespace platform {

namespace {

// An absent text stays absent (a null pointer); an empty one is passed as the empty text.
std::optional<std::wstring> wideOrAbsent(const std::optional<std::string> &text)
{
    return text ? std::optional(toUtf16(*text)) : std::nullopt;
}

const wchar_t *pointerOrNull(const std::optional<std::wstring> &text)
{
    return text ? text->c_str() : nullptr;
}

} // namespace

std::int32_t WindowsShell::open(std::intptr_t ownerWindow, const std::optional<std::string> &verb,
                                const std::string &file, const std::optional<std::string> &parameters,
                                const std::optional<std::string> &directory, std::int32_t showCommand)
{
    const auto wideVerb = wideOrAbsent(verb);
    const auto wideParameters = wideOrAbsent(parameters);
    const auto wideDirectory = wideOrAbsent(directory);
    const HINSTANCE result = ShellExecuteW(reinterpret_cast<HWND>(ownerWindow), pointerOrNull(wideVerb),
                                           toUtf16(file).c_str(), pointerOrNull(wideParameters),
                                           pointerOrNull(wideDirectory), showCommand);
    // The result is an error code below 33 or a success value above 32, never a real handle.
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

} // namespace platform
