#include "MessageBoxes.h"

#include "Utf16.h"

#include <cstdlib>

namespace win32 {

void showMessageBox(HWND owner, std::string_view text, std::string_view title, UINT icon)
{
    MessageBoxW(owner, platform::toUtf16(text).c_str(), platform::toUtf16(title).c_str(), MB_OK | icon);
}

void endWithFailure(std::string_view what)
{
    endWithMessage(std::string(what) + " (system error " + std::to_string(GetLastError()) + ").");
}

void endWithMessage(std::string_view text)
{
    showMessageBox(nullptr, text, "Pictavo", MB_ICONERROR);
    std::exit(EXIT_FAILURE);
}

WindowsUserMessages::WindowsUserMessages(std::string title) : title_(std::move(title)) {}

void WindowsUserMessages::showMessage(const std::string &prompt)
{
    showMessageBox(GetActiveWindow(), prompt, title_, 0);
}

} // namespace win32
