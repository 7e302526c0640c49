#pragma once

#include <string_view>
#include <windows.h>

namespace win32 {

// Replaces the clipboard's content with the text as CF_UNICODETEXT, owned by owner. False when
// the clipboard could not be opened (another program holds it) or did not take the text.
bool setClipboardText(HWND owner, std::wstring_view text);

} // namespace win32
