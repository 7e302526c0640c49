#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

// Owners for the handles the windows make themselves, each released the way the system wants it.
// Handles the system shares (stock objects, system colour brushes, cursors loaded from resources)
// are never released and need no owner.
namespace win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};

using unique_hfont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using unique_hicon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// An icon of the program's resources at a size in device pixels; empty when there is none.
unique_hicon loadIcon(const wchar_t *resourceName, int size);

} // namespace win32
