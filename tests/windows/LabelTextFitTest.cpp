// Every fixed text of both windows is wholly visible in its label at the usual display scales,
// with a tenth of its width to spare for a wider face than the one measured, in the font the
// window gives that label there; and a label gets a smaller font only where it needs one.
#include "DialogFont.h"
#include "Dpi.h"
#include "Utf16.h"
#include "frmAboutForm.h"
#include "frmPictavoForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct FixedText {
    const form::Control &label;
    // What the label shows: the description's text, or the one the window sets when it loads.
    std::string shown;
};

std::vector<FixedText> fixedTexts()
{
    const auto loaded = frmAboutForm::loadTimeTexts({"Pictavo", 1, 0, 7});
    std::vector<FixedText> texts;
    for (const auto &controls : {std::span<const form::Control>(frmPictavoForm::kControls),
                                 std::span<const form::Control>(frmAboutForm::kControls)})
        for (const auto &control : controls) {
            const bool label = control.kind == form::ControlKind::Label || control.kind == form::ControlKind::Link;
            if (!label || control.variableText)
                continue;
            const std::string_view name = control.name;
            texts.push_back({control, name == "lblTitle" ? loaded.title : name == "lblVersion" ? loaded.version : control.text});
        }
    return texts;
}

// As the static control wraps it, in a width that leaves a tenth of it to spare.
bool fits(HDC dc, const form::Font &font, UINT dpi, const std::string &text, SIZE box)
{
    const win32::unique_hfont shown = win32::createDialogFont(font, dpi);
    SelectObject(dc, shown.get());
    const LONG roomyWidth = box.cx * 10 / 11;
    RECT needed{0, 0, roomyWidth, 0};
    DrawTextW(dc, platform::toUtf16(text).c_str(), -1, &needed, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    return needed.right <= roomyWidth && needed.bottom <= box.cy;
}

TEST(LabelFonts, FixedTextsFitTheirLabelsAtEveryDpi)
{
    const win32::unique_hdc dc(CreateCompatibleDC(nullptr));
    for (const UINT dpi : {96u, 120u, 144u, 192u})
        for (const auto &[label, shown] : fixedTexts()) {
            const SIZE box{win32::scaled(label.rect.width, dpi), win32::scaled(label.rect.height, dpi)};
            const form::Font font = win32::fittedFont(dc.get(), label.font, dpi, platform::toUtf16(label.text), box);
            EXPECT_TRUE(fits(dc.get(), font, dpi, shown, box)) << label.name << " at " << dpi << " dpi";
            form::Font larger = font;
            larger.points += 72.0 / dpi;
            EXPECT_TRUE(font == label.font || !fits(dc.get(), larger, dpi, label.text, box))
                << label.name << " at " << dpi << " dpi is smaller than it needs to be";
        }
}

} // namespace
