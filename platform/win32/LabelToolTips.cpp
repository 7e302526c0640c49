#include "LabelToolTips.h"

#include "MessageBoxes.h"

// after windows.h, which it builds on
#include <commctrl.h>

namespace win32 {

namespace {

// The tool tip copies the text it is given.
TOOLINFOW tool(HWND owner, HWND label, const std::wstring &text)
{
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(label);
    tool.lpszText = const_cast<wchar_t *>(text.c_str());
    return tool;
}

} // namespace

void LabelToolTips::create(HWND owner)
{
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    owner_ = owner;
    tips_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, GetModuleHandleW(nullptr),
                            nullptr);
    if (tips_ == nullptr)
        endWithFailure("The tool tips could not be created");
}

void LabelToolTips::add(HWND label)
{
    SetWindowLongPtrW(label, GWL_STYLE, GetWindowLongPtrW(label, GWL_STYLE) | SS_NOTIFY);
    const std::wstring none;
    TOOLINFOW added = tool(owner_, label, none);
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&added));
}

void LabelToolTips::setText(HWND label, const std::wstring &text)
{
    TOOLINFOW changed = tool(owner_, label, text);
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&changed));
}

void LabelToolTips::setMaxWidth(int pixels)
{
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, pixels);
}

} // namespace win32
