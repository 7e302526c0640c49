#include "Handles.h"

namespace win32 {

unique_hicon loadIcon(WORD group, int size)
{
    return unique_hicon(static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(group), IMAGE_ICON, size, size, 0)));
}

} // namespace win32
