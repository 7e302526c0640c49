#pragma once

#include <string>
#include <windows.h>

namespace win32 {

// Tool tips that show labels' whole texts where the labels themselves show only part of one.
class LabelToolTips {
public:
    // The tool tip window, owned by owner's window and destroyed with it.
    void create(HWND owner);
    // A label of the owner, with a tool tip that shows nothing until setText. The label takes the
    // mouse from then on (SS_NOTIFY): one that lets it through to its window never shows its tip.
    void add(HWND label);
    void setText(HWND label, const std::wstring &text);
    // Longer texts are broken into lines at spaces.
    void setMaxWidth(int pixels);

private:
    HWND tips_ = nullptr;
    HWND owner_ = nullptr;
};

} // namespace win32
