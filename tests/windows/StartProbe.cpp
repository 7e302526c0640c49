// Stands in for a started program: writes its command line and its show command, after a "|",
// to its own path with ".txt" appended, then wakes the test that started it.
#include "Utf16.h"

#include <filesystem>
#include <fstream>
#include <windows.h>

int wmain()
{
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), MAX_PATH));
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? startup.wShowWindow : -1;
    std::ofstream(std::filesystem::path(self + L".txt")) << platform::toUtf8(GetCommandLineW()) << '|' << show;
    const HANDLE started = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"PictavoStartProbe");
    SetEvent(started);
    CloseHandle(started);
    return 0;
}
