// Every fixed text of both windows is wholly visible in its label at the usual display scales, in
// the font the window gives that label there; and no label is made smaller than it needs.
#include "DialogFont.h"
#include "Dpi.h"
#include "Utf16.h"
#include "frmAboutForm.h"
#include "frmPictavoForm.h"

#include <gtest/gtest.h>

namespace {

TEST(LabelFonts, FixedTextsFitTheirLabelsAtEveryDpi)
{
    const win32::unique_hdc dc(CreateCompatibleDC(nullptr));
    const auto loaded = frmAboutForm::loadTimeTexts({"Pictavo", 1, 0, 7});
    std::vector<form::Control> labels(frmPictavoForm::kControls.begin(), frmPictavoForm::kControls.end());
    labels.insert(labels.end(), frmAboutForm::kControls.begin(), frmAboutForm::kControls.end());
    // Labels and links are the controls that never take the focus.
    std::erase_if(labels, [](const form::Control &each) { return form::takesFocus(each.kind) || each.variableText; });
    for (const UINT dpi : {96u, 120u, 144u, 192u})
        for (const auto &label : labels) {
            // What the label shows: its text in the description, or the one set when the window loads.
            const std::string_view name = label.name;
            const std::string shown = name == "lblTitle" ? loaded.title : name == "lblVersion" ? loaded.version : label.text;
            const SIZE box{win32::scaled(label.rect.width, dpi), win32::scaled(label.rect.height, dpi)};
            const form::Font font = win32::fittedFont(dc.get(), label.font, dpi, platform::toUtf16(label.text), box);
            EXPECT_TRUE(win32::textFits(dc.get(), font, dpi, platform::toUtf16(shown), box)) << name << " at " << dpi << " dpi";
            const form::Font larger{font.face, font.points + 72.0 / dpi, font.bold, font.underline};
            EXPECT_TRUE(font == label.font || !win32::textFits(dc.get(), larger, dpi, platform::toUtf16(label.text), box))
                << name << " at " << dpi << " dpi is smaller than it needs to be";
        }
}

} // namespace
