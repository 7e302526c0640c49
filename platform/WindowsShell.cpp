#include "WindowsShell.h"

#include <windows.h>
#include <shellapi.h>

namespace platform {

namespace {

const char *textOrNull(const std::optional<std::string> &text)
{
    return text ? text->c_str() : nullptr;
}

} // namespace

std::int32_t WindowsShell::open(std::intptr_t ownerWindow, const std::optional<std::string> &verb,
                                const std::string &file, const std::optional<std::string> &parameters,
                                const std::optional<std::string> &directory, std::int32_t showCommand)
{
    const HINSTANCE result = ShellExecuteA(reinterpret_cast<HWND>(ownerWindow), textOrNull(verb), file.c_str(),
                                           textOrNull(parameters), textOrNull(directory), showCommand);
    // The result is an error code below 33 or a success value above 32, never a real handle.
    return static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(result));
}

} // namespace platform
