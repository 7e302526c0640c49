// Every fixed text of both windows is wholly visible in its label at the usual display scales, in
// the font the window gives that label there; and no label is made smaller than it needs. The
// status labels show a long path's file name and a large size whole, on one line, and the whole
// path in a tool tip.
#include "DialogFont.h"
#include "Dpi.h"
#include "MessageLoop.h"
#include "Utf16.h"
#include "frmAboutForm.h"
#include "frmPictavo.h"
#include "frmPictavoForm.h"

#include <gtest/gtest.h>

#include <memory>
#include <type_traits>
#include <utility>
// after windows.h, which it builds on
#include <commctrl.h>

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
    // Closing the recording turns it into the metafile.
    const std::unique_ptr<std::remove_pointer_t<HENHMETAFILE>, decltype(&DeleteEnhMetaFile)> drawing(
        CloseEnhMetaFile(recording), &DeleteEnhMetaFile);
    std::vector<std::wstring> lines;
    EnumEnhMetaFile(nullptr, drawing.get(), [](HDC, HANDLETABLE *, const ENHMETARECORD *record, int, LPARAM found) {
        if (record->iType == EMR_EXTTEXTOUTW) {
            const EMRTEXT &text = reinterpret_cast<const EMREXTTEXTOUTW *>(record)->emrtext;
            const auto *start = reinterpret_cast<const BYTE *>(record) + text.offString;
            reinterpret_cast<std::vector<std::wstring> *>(found)->emplace_back(reinterpret_cast<const wchar_t *>(start), text.nChars);
        }
        return 1;
    }, &lines, nullptr);
    return lines;
}

// The text of the tool tip that a window shows for one of its labels.
std::wstring toolTipText(HWND window, HWND label)
{
    std::pair<HWND, HWND> ownerAndTips{window, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), [](HWND each, LPARAM found) {
        auto &[owner, tips] = *reinterpret_cast<std::pair<HWND, HWND> *>(found);
        wchar_t className[32]{};
        GetClassNameW(each, className, 32);
        if (GetWindow(each, GW_OWNER) == owner && std::wstring_view(className) == TOOLTIPS_CLASSW)
            tips = each;
        return tips == nullptr ? TRUE : FALSE;
    }, reinterpret_cast<LPARAM>(&ownerAndTips));
    std::wstring text(1024, L'\0');
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = text.data();
    SendMessageW(ownerAndTips.second, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(text.find(L'\0'));
    return text;
}

// Whether the mouse over the middle of a control reaches it; a label it passes through shows no tip.
bool takesTheMouse(HWND control)
{
    RECT area{};
    GetWindowRect(control, &area);
    const LPARAM middle = MAKELPARAM((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    return SendMessageW(control, WM_NCHITTEST, 0, middle) == HTCLIENT;
}

LOGFONTW fontOf(HWND label)
{
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

// At 96 dpi and after a move to 144 dpi, found by their whole texts. The size is in the largest
// font that shows it whole: the other labels' size, or else one that a pixel more would not fit.
// The shortened path's label shows the whole path as its tool tip.
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
        const HWND nameLabel = FindWindowExW(window.handle(), nullptr, L"Static", path.c_str());
        const auto name = drawnLines(nameLabel);
        ASSERT_EQ(name.size(), 1u) << dpi << " dpi";
        EXPECT_TRUE(name[0].starts_with(L"File: C:\\Users\\") && name[0].ends_with(L"...\\IMG_20240817_153012.jpg")) << dpi << " dpi";
        EXPECT_TRUE(takesTheMouse(nameLabel));
        EXPECT_EQ(toolTipText(window.handle(), nameLabel), path);
        const HWND sizeLabel = FindWindowExW(window.handle(), nullptr, L"Static", size.c_str());
        EXPECT_EQ(drawnLines(sizeLabel), std::vector{size}) << dpi << " dpi";
        LOGFONTW larger = fontOf(sizeLabel);
        --larger.lfHeight;
        // The font outlives the device context it is selected into.
        const win32::unique_hfont font(CreateFontIndirectW(&larger));
        const win32::unique_hdc dc(CreateCompatibleDC(nullptr));
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
