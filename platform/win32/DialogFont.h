#pragma once

#include "FormDescription.h"
#include "Handles.h"

namespace win32 {

// The system's dialog typeface (the face of the desktop's message font) at the size and style a
// control description gives. Sizes are points at 96 dpi, so 8.25 pt is 11 pixels there, as on
// the Qt side, and the text grows with the monitor's dpi exactly as the control geometry does.
unique_hfont createDialogFont(const form::Font &font, UINT dpi);

} // namespace win32
