#pragma once

#include "UserMessages.h"

#include <string>
#include <string_view>
#include <windows.h>

namespace win32 {

// A modal message box over owner with one OK button and the given icon (MB_ICONEXCLAMATION, or 0
// for none); texts are UTF-8. Returns once the user has closed it.
void showMessageBox(HWND owner, std::string_view text, std::string_view title, UINT icon);

// Ends the program after telling the user what the system refused (a window that could not be
// created, OLE that would not start): nothing sensible can go on without it. The system's reason
// is the thread's last error, or the result a COM or OLE call returned.
[[noreturn]] void endWithFailure(std::string_view what);
[[noreturn]] void endWithFailure(std::string_view what, HRESULT result);
// Ends the program after showing text, a failure that is not the system's.
[[noreturn]] void endWithMessage(std::string_view text);
// Ends the program for the exception being handled, which reached a boundary no C++ exception may
// cross: a window procedure or a COM method, called from the system's code. Only from a catch block.
[[noreturn]] void endWithCurrentException();

// The Qt-free logic's messages: OK only, no icon, the program's title as caption, modal to the
// window the user is working in.
class WindowsUserMessages : public platform::UserMessages {
public:
    explicit WindowsUserMessages(std::string title);

    void showMessage(const std::string &prompt) override;

private:
    std::string title_;
};

} // namespace win32
