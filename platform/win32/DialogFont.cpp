#include "DialogFont.h"

#include <cmath>

namespace win32 {

namespace {

constexpr int kPointsPerInch = 72;

int pixelHeight(const form::Font &font, UINT dpi)
{
    // Hundredths of a point keep 8.25 exact.
    return MulDiv(static_cast<int>(std::lround(font.points * 100)), static_cast<int>(dpi), kPointsPerInch * 100);
}

int CALLBACK noteSize(const LOGFONTW *, const TEXTMETRICW *metrics, DWORD type, LPARAM wanted)
{
    auto &pixels = *reinterpret_cast<int *>(wanted);
    // An outline face has every size; a bitmap face only those it was drawn in.
    if ((type & RASTER_FONTTYPE) == 0 || metrics->tmHeight - metrics->tmInternalLeading == pixels) {
        pixels = 0;
        return 0;
    }
    return 1;
}

bool hasSize(const wchar_t *faceName, int pixels)
{
    const unique_hdc dc(CreateCompatibleDC(nullptr));
    LOGFONTW face{};
    face.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(face.lfFaceName, faceName, LF_FACESIZE - 1);
    EnumFontFamiliesExW(dc.get(), &face, &noteSize, reinterpret_cast<LPARAM>(&pixels), 0);
    return pixels == 0;
}

const wchar_t *msSansSerifAt(int pixels)
{
    return hasSize(L"MS Sans Serif", pixels) ? L"MS Sans Serif" : L"Microsoft Sans Serif";
}

} // namespace

bool textFits(HDC dc, const form::Font &font, UINT dpi, std::wstring_view text, SIZE box, ShownIn shownIn)
{
    const unique_hfont measured = createDialogFont(font, dpi);
    const HGDIOBJ previous = SelectObject(dc, measured.get());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    // Elsewhere the face may be a wider one; a bitmap face at a size of its own is drawn as
    // measured, pixel for pixel.
    const bool bitmap = (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) == 0;
    const LONG width = bitmap || shownIn == ShownIn::MeasuredFace ? box.cx : box.cx * 10 / 11;
    RECT needed{0, 0, width, 0};
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, previous);
    return needed.right <= width && needed.bottom <= box.cy;
}

unique_hfont createDialogFont(const form::Font &font, UINT dpi)
{
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    LOGFONTW face = metrics.lfMessageFont;
    const int pixels = pixelHeight(font, dpi);
    if (font.face == form::Face::MsSansSerif)
        wcsncpy(face.lfFaceName, msSansSerifAt(pixels), LF_FACESIZE - 1);
    // A negative height asks for the character height without internal leading, which is what a
    // point size means.
    face.lfHeight = -pixels;
    face.lfWidth = 0;
    face.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    face.lfItalic = FALSE;
    face.lfUnderline = font.underline ? TRUE : FALSE;
    return unique_hfont(CreateFontIndirectW(&face));
}

form::Font fittedFont(HDC dc, const form::Font &font, UINT dpi, std::wstring_view text, SIZE box, ShownIn shownIn)
{
    const int described = pixelHeight(font, dpi);
    form::Font smaller = font;
    for (int pixels = described; pixels * 4 >= described * 3; --pixels) {
        smaller.points = pixels * static_cast<double>(kPointsPerInch) / dpi;
        if (textFits(dc, smaller, dpi, text, box, shownIn))
            return pixels == described ? font : smaller;
    }
    return smaller;
}

} // namespace win32
