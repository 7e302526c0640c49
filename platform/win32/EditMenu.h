#pragma once

#include <windows.h>

namespace win32 {

// An edit box's context menu, at where (a WM_CONTEXTMENU position; -1, -1 from the keyboard puts
// it in the middle of the box): its own commands, Undo, Cut, Copy, Paste, Delete and Select All,
// each sent to the box as the message it names. The box's built-in menu offers Paste only for
// text; here canPaste decides, so that a box that takes other things pasted offers it for those.
void showEditMenu(HWND edit, LPARAM where, bool canPaste);

} // namespace win32
