#include "DialogFont.h"

#include <cmath>

namespace win32 {

unique_hfont createDialogFont(const form::Font &font, UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    // A negative height asks for the character height without internal leading, which is what a
    // point size means; hundredths of a point keep 8.25 exact.
    face.lfHeight = -MulDiv(static_cast<int>(std::lround(font.points * 100)), static_cast<int>(dpi), 72 * 100);
    face.lfWidth = 0;
    face.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    face.lfItalic = FALSE;
    face.lfUnderline = font.underline ? TRUE : FALSE;
    return unique_hfont(CreateFontIndirectW(&face));
}

} // namespace win32
