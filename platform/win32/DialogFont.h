#pragma once

#include "FormDescription.h"
#include "Handles.h"

#include <string_view>

namespace win32 {

// A control's typeface at the size and style its description gives: the system's dialog
// typeface (the face of the desktop's message font), or MS Sans Serif where that bitmap face
// has the size at this dpi and its outline successor, Microsoft Sans Serif, where it has not.
// Sizes are points at 96 dpi, so 8.25 pt is 11 pixels there, as on the Qt side, and the text
// grows with the monitor's dpi exactly as the control geometry does.
unique_hfont createDialogFont(const form::Font &font, UINT dpi);

// Where a measured text is shown: in the face measured, on this machine as it runs, or in what the
// face may be elsewhere, which may be wider.
enum class ShownIn { MeasuredFace, AnyFace };

// Whether text is wholly visible in a box of device pixels at dpi in that font, wrapped at word
// boundaries as a static control wraps it; for any face with a tenth of its width to spare (a
// bitmap face is drawn as measured everywhere and needs none). dc is any device context to
// measure on.
bool textFits(HDC dc, const form::Font &font, UINT dpi, std::wstring_view text, SIZE box,
              ShownIn shownIn = ShownIn::AnyFace);

// The font for a text that must fit a box as textFits measures it: the described font, or where
// the text does not fit in it the largest smaller size, one pixel at a time, that fits, but no
// smaller than three quarters of the described size.
form::Font fittedFont(HDC dc, const form::Font &font, UINT dpi, std::wstring_view text, SIZE box,
                      ShownIn shownIn = ShownIn::AnyFace);

} // namespace win32
