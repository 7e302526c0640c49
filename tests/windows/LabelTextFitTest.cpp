// Every fixed text of both windows is wholly visible in its label at the usual display scales, in
// the font the window gives that label there; and no label is made smaller than it needs. The
// status labels show a long path's file name and a large size whole, on one line.
#include "DialogFont.h"
#include "Dpi.h"
#include "MessageLoop.h"
#include "Utf16.h"
#include "frmAboutForm.h"
#include "frmPictavo.h"
#include "frmPictavoForm.h"

#include <gtest/gtest.h>

namespace {

TEST(LabelFonts, FixedTextsFitTheirLabelsAtEveryDpi)
{
    const win32::unique_hdc dc(CreateCompatibleDC(nullptr));
    const auto loaded = frmAboutForm::loadTimeTexts({"Pictavo", 1, 0, 7});
    std::vector<form::Control> labels(frmPictavoForm::kControls.begin(), frmPictavoForm::kControls.end());
    labels.insert(labels.end(), frmAboutForm::kControls.begin(), frmAboutForm::kControls.end());
    std::erase_if(labels, [](const form::Control &each) {
        const bool showsText = each.kind == form::ControlKind::Label || each.kind == form::ControlKind::Link;
        return !showsText || each.variableText;
    });
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

// The lines of text a label draws, as an enhanced metafile records them.
std::vector<std::wstring> drawnLines(HWND label)
{
    const HDC recording = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
    SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(recording), PRF_CLIENT);
    const HENHMETAFILE drawing = CloseEnhMetaFile(recording);
    std::vector<std::wstring> lines;
    EnumEnhMetaFile(nullptr, drawing, [](HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM found) {
        if (record->iType == EMR_EXTTEXTOUTW) {
            const EMRTEXT &text = reinterpret_cast<const EMREXTTEXTOUTW *>(record)->emrtext;
            const auto *start = reinterpret_cast<const BYTE *>(record) + text.offString;
            reinterpret_cast<std::vector<std::wstring> *>(found)->emplace_back(reinterpret_cast<const wchar_t *>(start), text.nChars);
        }
        return 1;
    }, &lines, nullptr);
    DeleteEnhMetaFile(drawing);
    return lines;
}

LOGFONTW fontOf(HWND label)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// At 96 dpi and after a move to 144 dpi, found by their whole texts. The size is in the largest
// font that shows it whole: the other labels' size, or else one that a pixel more would not fit.
TEST(LabelFonts, StatusLabelsShowTheFileNameAndTheWholeSizeOnOneLine)
{
    ASSERT_EQ(OleInitialize(nullptr), S_OK);
    win32::MessageLoop loop;
    frmPictavo window(loop, 0, [] {});
    window.create();
    const std::wstring path = LR"(File: C:\Users\alexandra\Pictures\Holidays 2024\Camera Roll\IMG_20240817_153012.jpg)";
    const std::wstring size = L"File Size: 9999999999 bytes";
    window.setLabelCaption(DropSurface::Label::FileName, platform::toUtf8(path), DropSurface::Elision::Path);
    window.setLabelCaption(DropSurface::Label::FileSize, platform::toUtf8(size), DropSurface::Elision::End);
    for (const UINT dpi : {96u, 144u}) {
        RECT frame{};
        GetWindowRect(window.handle(), &frame);
        SendMessageW(window.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
        const auto name = drawnLines(FindWindowExW(window.handle(), nullptr, L"Static", path.c_str()));
        ASSERT_EQ(name.size(), 1u) << dpi << " dpi";
        EXPECT_TRUE(name[0].starts_with(L"File: C:\\Users\\") && name[0].ends_with(L"...\\IMG_20240817_153012.jpg")) << dpi << " dpi";
        const HWND sizeLabel = FindWindowExW(window.handle(), nullptr, L"Static", size.c_str());
        EXPECT_EQ(drawnLines(sizeLabel), std::vector{size}) << dpi << " dpi";
        LOGFONTW larger = fontOf(sizeLabel);
        --larger.lfHeight;
        const win32::unique_hdc dc(CreateCompatibleDC(nullptr));
        const win32::unique_hfont font(CreateFontIndirectW(&larger));
        SelectObject(dc.get(), font.get());
        SIZE needed{};
        GetTextExtentPoint32W(dc.get(), size.c_str(), static_cast<int>(size.size()), &needed);
        RECT box{};
        GetClientRect(sizeLabel, &box);
        EXPECT_TRUE(larger.lfHeight < fontOf(FindWindowExW(window.handle(), nullptr, L"Static", L"           Enjoy!")).lfHeight
                    || needed.cx > box.right) << dpi << " dpi";
    }
    DestroyWindow(window.handle());
    OleUninitialize();
}

} // namespace
