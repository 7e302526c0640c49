// Reports another program's top-level window as its user sees it, for the checks that drive it:
//     window_texts TITLE [CLASS]
// (CLASS tells apart windows of one title, such as a message box, "#32770", and its owner) prints
// "client WIDTHxHEIGHT", "frame STYLE EXTENDED-STYLE" and "unowned", "hidden-owner" or
// "shown-owner", "focus " and the text of the control that has the keyboard focus, then the text
// of every control in creation order, one per line, in UTF-8. Exit status 1 when no window has
// that title.
#include "Utf16.h"

#include <string>
#include <windows.h>

namespace {

void print(const std::wstring &line)
{
    const std::string text = platform::toUtf8(line) + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

// Asked of the control itself: GetWindowText across processes gives a window's caption, never
// the text an edit box holds.
std::wstring textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(SendMessageW(window, WM_GETTEXTLENGTH, 0, 0)), L'\0');
    SendMessageW(window, WM_GETTEXT, text.size() + 1, reinterpret_cast<LPARAM>(text.data()));
    return text;
}

BOOL CALLBACK printControl(HWND control, LPARAM)
{
    print(textOf(control));
    return TRUE;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    const HWND window = argc > 1 ? FindWindowW(argc > 2 ? argv[2] : nullptr, argv[1]) : nullptr;
    if (window == nullptr)
        return 1;
    RECT client{};
    GetClientRect(window, &client);
    print(L"client " + std::to_wstring(client.right) + L"x" + std::to_wstring(client.bottom));
    const HWND owner = GetWindow(window, GW_OWNER);
    print(L"frame " + std::to_wstring(GetWindowLongW(window, GWL_STYLE)) + L" "
          + std::to_wstring(GetWindowLongW(window, GWL_EXSTYLE))
          + (owner == nullptr ? L" unowned" : IsWindowVisible(owner) ? L" shown-owner" : L" hidden-owner"));
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &thread);
    print(L"focus " + (thread.hwndFocus != nullptr ? textOf(thread.hwndFocus) : L""));
    EnumChildWindows(window, printControl, 0);
    return 0;
}
