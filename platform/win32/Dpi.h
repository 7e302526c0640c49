#pragma once

#include <cmath>
#include <windows.h>

// The window descriptions are in pixels at 96 dpi; on a monitor of another dpi every length is
// scaled by dpi / 96, so the layout keeps its proportions and text stays sharp.
namespace win32 {

inline constexpr UINT kDesignDpi = 96;

inline int scaled(int pixels, UINT dpi)
{
    return MulDiv(pixels, static_cast<int>(dpi), kDesignDpi);
}

// Figure coordinates may fall between pixels; like the classic line control, the pixel they fall
// in is inked.
inline int scaled(double pixels, UINT dpi)
{
    return static_cast<int>(std::floor(pixels * dpi / kDesignDpi));
}

} // namespace win32
