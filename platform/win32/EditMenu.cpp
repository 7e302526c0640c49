#include "EditMenu.h"

#include "Handles.h"

#include <windowsx.h>

namespace win32 {

namespace {

struct Command {
    // The message sent to the box; 0 for a separator.
    UINT message;
    const wchar_t *caption;
    bool enabled;
};

POINT menuPosition(HWND edit, LPARAM where)
{
    if (where != -1)
        return {GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    RECT box{};
    GetClientRect(edit, &box);
    POINT middle{box.right / 2, box.bottom / 2};
    ClientToScreen(edit, &middle);
    return middle;
}

} // namespace

void showEditMenu(HWND edit, LPARAM where, bool canPaste)
{
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    const bool selected = start != end;
    const bool wholeSelected = start == 0 && end == static_cast<DWORD>(GetWindowTextLengthW(edit));
    const Command commands[] = {
        {WM_UNDO, L"&Undo", SendMessageW(edit, EM_CANUNDO, 0, 0) != 0},
        {0, nullptr, false},
        {WM_CUT, L"Cu&t", selected},
        {WM_COPY, L"&Copy", selected},
        {WM_PASTE, L"&Paste", canPaste},
        {WM_CLEAR, L"&Delete", selected},
        {0, nullptr, false},
        {EM_SETSEL, L"Select &All", !wholeSelected},
    };
    const unique_hmenu menu(CreatePopupMenu());
    for (const Command &command : commands) {
        const UINT flags = command.message == 0 ? MF_SEPARATOR : MF_STRING | (command.enabled ? 0 : MF_GRAYED);
        AppendMenuW(menu.get(), flags, command.message, command.caption);
    }
    SetFocus(edit);
    const POINT at = menuPosition(edit, where);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x, at.y, 0, edit, nullptr));
    if (chosen == EM_SETSEL)
        SendMessageW(edit, EM_SETSEL, 0, -1);
    else if (chosen != 0)
        SendMessageW(edit, chosen, 0, 0);
}

} // namespace win32
