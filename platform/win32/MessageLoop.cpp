#include "MessageLoop.h"

#include <algorithm>

namespace win32 {

void MessageLoop::add(HWND window)
{
    windows_.push_back(window);
}

void MessageLoop::remove(HWND window)
{
    std::erase(windows_, window);
    if (windows_.empty())
        PostQuitMessage(0);
}

int MessageLoop::run()
{
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (isDialogMessage(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

namespace {

// The dialog manager takes a character typed on a control that does not want it, a button for
// one, for an access key, so "s" alone would press "&System Info...". Access keys need Alt, which
// makes the character WM_SYSCHAR; the plain one goes to the control, which ignores it. Tab,
// Enter and Escape, below the space, stay the dialog manager's.
bool isPlainCharacterForAnAccessKey(MSG &message)
{
    if (message.message != WM_CHAR || message.wParam < L' ')
        return false;
    const LRESULT wanted =
        SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    return (wanted & DLGC_WANTCHARS) == 0;
}

// The dialog manager would move the focus in the order the controls were created; the windows
// create theirs in reading order and move the focus by tab index themselves.
bool isTabForTheWindow(MSG &message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB)
        return false;
    const LRESULT wanted =
        SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    return (wanted & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) == 0;
}

} // namespace

bool MessageLoop::isDialogMessage(MSG &message) const
{
    const HWND topLevel = GetAncestor(message.hwnd, GA_ROOT);
    if (topLevel == nullptr || std::ranges::find(windows_, topLevel) == windows_.end())
        return false;
    if (isTabForTheWindow(message)) {
        const bool backwards = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        SendMessageW(topLevel, WM_NEXTDLGCTL, backwards, FALSE);
        return true;
    }
    return !isPlainCharacterForAnAccessKey(message) && IsDialogMessageW(topLevel, &message);
}

} // namespace win32
