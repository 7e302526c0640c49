#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>
#include <windows.h>

namespace win32 {

// How long to wait for a clipboard that another program holds: clipboard managers and history
// tools open it for a moment after every change. By default about a second, in short pauses.
struct ClipboardPatience {
    int attempts = 50;
    std::function<void()> pause = [] { Sleep(20); };
};

// Replaces the clipboard's content with the text as CF_UNICODETEXT, owned by owner. False when
// the clipboard stayed held by another program for every attempt, or did not take the text.
bool setClipboardText(HWND owner, std::wstring_view text, const ClipboardPatience &patience = {});

// The files on the clipboard (CF_HDROP, as a file manager's Copy or Cut puts them there), in their
// order; empty when it offers none or stayed held by another program. The clipboard is only read:
// the files of a Cut stay where they are, and nothing tells the file manager they were pasted.
std::vector<std::filesystem::path> clipboardFiles(HWND owner, const ClipboardPatience &patience = {});

} // namespace win32
