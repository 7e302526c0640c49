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
struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct WindowDeleter {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct MenuDeleter {
    void operator()(HMENU menu) const { DestroyMenu(menu); }
};

using unique_hfont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using unique_hicon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;
// A memory device context.
using unique_hdc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;
using unique_hwnd = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;
// A menu no window holds: one attached to a window goes with it.
using unique_hmenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

// An icon group of the program's resources (ResourceIds.h) at a size in device pixels; empty
// when there is none.
unique_hicon loadIcon(WORD group, int size);

} // namespace win32
