#pragma once

#include "DialogFont.h"
#include "FormColours.h"
#include "FormDescription.h"
#include "Handles.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include <windows.h>

namespace win32 {

class MessageLoop;

// A top-level window built from a toolkit-free description: its frame, menu, controls with their
// fonts and colours, and the figures drawn on its client area, all scaled from 96 dpi to the dpi
// of the monitor it is on and laid out again when that changes. The controls are created in the
// description's order, which is reading order with each label just before the control it
// describes: accessibility tools read them in that order and name a control after the text
// before it. Links are SysLink controls. The keyboard works as in a dialog: Tab moves among the
// controls that take the focus in tab-index order, Enter presses the focused button or opens the
// focused link or else presses the description's default button, Escape presses its cancel
// button, and the focus comes back to where it was when the window is activated again. While a
// high-contrast theme is on, the theme's colours replace the described ones.
//
// Each form registers a window class named after it; the one window procedure only dispatches
// to small handlers, among them the virtual ones through which a form adds its own behaviour.
class FormWindow {
public:
    FormWindow(const form::Window &form, MessageLoop &loop);
    virtual ~FormWindow();
    FormWindow(const FormWindow &) = delete;
    FormWindow &operator=(const FormWindow &) = delete;

    // Creates the window and its controls, hidden, owned by owner if one is given. Ends the
    // program when the system refuses.
    void create(DWORD style, DWORD extendedStyle, HWND owner = nullptr);
    // Shows the window and brings it to the front.
    void show();
    bool isOpen() const { return window_ != nullptr; }
    HWND handle() const { return window_; }

protected:
    // A control of the description by name, and for a control array by index.
    HWND control(std::string_view name, std::optional<std::int16_t> index = {}) const;
    static void setText(HWND window, std::string_view text);
    static std::string text(HWND window);
    // The window's icons, from an icon group of the program's resources at the sizes for the
    // window's dpi, and loaded again when that changes.
    void setIcons(WORD group);
    // What the form draws when it loads, in 96-dpi client coordinates: painted over the line
    // controls on every repaint, so it stays on screen.
    void setDrawing(std::vector<form::Figure> figures);
    // The client area's width in the description's units.
    float scaleWidth() const;
    UINT dpi() const { return dpi_; }
    // A control's described font, or a smaller one in which text fits the control whole at the
    // window's dpi (see fittedFont).
    form::Font fontFitting(std::string_view name, const std::wstring &text, ShownIn shownIn) const;
    // Has onWakeUp run from the window's own message queue, after the caller has returned: for
    // work that must not run where it was asked for, such as inside a drag-and-drop callback.
    void postWakeUp() const;

    // After the controls exist, before the window is first shown.
    virtual void onCreate() {}
    // A control's notification (BN_CLICKED, ...); Enter and Escape arrive as BN_CLICKED of the
    // default and the cancel button.
    virtual void onControl(const form::Control &, WORD) {}
    // A link was clicked, or Enter or Space pressed on it.
    virtual void onLinkClicked(const form::Control &) {}
    virtual void onMenuItem(const form::MenuItem &) {}
    // After the window was laid out again for a new dpi.
    virtual void onScaled() {}
    // While the window and its controls still exist.
    virtual void onDestroy() {}
    virtual void onDrawItem(const form::Control &, const DRAWITEMSTRUCT &) {}
    virtual void onWakeUp() {}
    // Whether the desktop's high-contrast theme is on.
    virtual bool highContrast() const;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    // Links and picture boxes are subclassed for what their class does not do itself.
    static LRESULT CALLBACK controlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                             UINT_PTR subclass, DWORD_PTR self);
    LRESULT dispatchControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) const;

    void registerClass() const;
    HMENU createMenu();
    void onCreateWindow();
    void createControls();
    // The window's rectangle at dpi around a client area of the described size at the origin.
    RECT frameAroundClient(UINT dpi) const;
    void layOutControls();
    form::Font shownFont(HDC dc, const form::Control &described) const;
    form::Font fontFitting(HDC dc, const form::Control &described, const std::wstring &text, ShownIn shownIn) const;
    void loadIcons();
    void onActivate(bool active);
    void moveFocus(bool backwards);
    void onCommand(WORD id, WORD notification);
    void onNotify(const NMHDR &notification);
    int defaultButtonId() const;
    void styleDefaultButton();
    form::ColourScheme colourScheme() const;
    LRESULT onControlColour(HDC dc, HWND control) const;
    void drawItem(const DRAWITEMSTRUCT &item);
    void onPaint();
    void onColoursChanged();
    void onNewDpi(UINT dpi, const RECT &suggested);
    void onNcDestroy();

    const form::Control *describedControl(int id) const;
    const form::Control *describedControl(std::string_view name, std::optional<std::int16_t> index = {}) const;
    HFONT fontFor(const form::Font &font);

    const form::Window &form_;
    MessageLoop &loop_;
    HWND window_ = nullptr;
    UINT dpi_ = 96;
    DWORD style_ = 0;
    DWORD extendedStyle_ = 0;
    // The controls that take the focus, in tab-index order.
    std::vector<HWND> tabStops_;
    // Where the focus goes when the window is activated.
    HWND focus_ = nullptr;
    std::vector<std::pair<form::Font, unique_hfont>> fonts_;
    WORD iconGroup_ = 0;
    unique_hicon icon_;
    unique_hicon smallIcon_;
    std::vector<std::pair<int, const form::MenuItem *>> menuItems_;
    std::vector<form::Figure> drawing_;
};

} // namespace win32
