#include "WindowsProcessStarter.h"

#include "RuntimeError.h"

#include <memory>
#include <vector>
#include <windows.h>

namespace platform {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

} // namespace

void WindowsProcessStarter::start(const std::string &command, std::int32_t windowStyle)
{
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> commandLine(command.begin(), command.end());
    commandLine.push_back('\0');

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION started{};
    if (command.empty()
        || !CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &started))
        throw RuntimeError(RuntimeError::FileNotFound, "cannot start " + command);
    // The program runs on its own; we keep no handle to it.
    const OwnedHandle process(started.hProcess);
    const OwnedHandle thread(started.hThread);
}

} // namespace platform
