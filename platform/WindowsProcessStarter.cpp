#include "WindowsProcessStarter.h"

#include "RuntimeError.h"
#include "Utf16.h"

#include <memory>
#include <windows.h>

namespace platform {

namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

} // namespace

void WindowsProcessStarter::start(const std::string &program, std::int32_t windowStyle)
{
    const std::wstring path = ansiToUtf16(program);
    // The path is the program to run, never a shorter one named by its first words (an unquoted
    // C:\Program Files\... would start a C:\Program.exe). Its command line holds the same path
    // in quotes, so that the program does not split its own name into arguments; CreateProcessW
    // may write into the command line, so it is a copy of its own.
    std::wstring commandLine = L"\"" + path + L"\"";

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(windowStyle);
    PROCESS_INFORMATION started{};
    if (path.empty()
        || !CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &started))
        throw RuntimeError(RuntimeError::FileNotFound, "cannot start " + program);
    // The program runs on its own; we keep no handle to it.
    const OwnedHandle process(started.hProcess);
    const OwnedHandle thread(started.hThread);
}

} // namespace platform
