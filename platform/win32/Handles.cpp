#include "Handles.h"

namespace win32 {

unique_hicon loadIcon(const wchar_t *resourceName, int size)
{
    return unique_hicon(
        static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), resourceName, IMAGE_ICON, size, size, 0)));
}

} // namespace win32
