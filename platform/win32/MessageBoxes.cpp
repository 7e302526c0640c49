#include "MessageBoxes.h"

#include "Utf16.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace win32 {

void showMessageBox(HWND owner, std::string_view text, std::string_view title, UINT icon)
{
    MessageBoxW(owner, platform::toUtf16(text).c_str(), platform::toUtf16(title).c_str(), MB_OK | icon);
}

void endWithFailure(std::string_view what)
{
    endWithMessage(std::string(what) + " (system error " + std::to_string(GetLastError()) + ").");
}

void endWithFailure(std::string_view what, HRESULT result)
{
    // Results are looked up by their hexadecimal form, as 0x8007000E.
    std::array<char, 11> code{};
    std::snprintf(code.data(), code.size(), "0x%08lX", static_cast<unsigned long>(result));
    endWithMessage(std::string(what) + " (error " + code.data() + ").");
}

void endWithMessage(std::string_view text)
{
    showMessageBox(nullptr, text, "Pictavo", MB_ICONERROR);
    std::exit(EXIT_FAILURE);
}

void endWithCurrentException()
{
    // Running out of memory is the only failure to expect there; after it the program cannot go on.
    try {
        throw;
    } catch (const std::bad_alloc &) {
        endWithMessage("There is not enough memory for Pictavo to go on.");
    } catch (...) {
        endWithMessage("Pictavo met a failure it cannot recover from.");
    }
}

WindowsUserMessages::WindowsUserMessages(std::string title) : title_(std::move(title)) {}

void WindowsUserMessages::showMessage(const std::string &prompt)
{
    showMessageBox(GetActiveWindow(), prompt, title_, 0);
}

} // namespace win32
