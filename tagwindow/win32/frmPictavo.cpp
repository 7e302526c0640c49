#include "frmPictavo.h"

#include "Clipboard.h"
#include "DialogFont.h"
#include "Dpi.h"
#include "EditMenu.h"
#include "MessageBoxes.h"
#include "Utf16.h"
#include "frmPictavoForm.h"

#include <array>
#include <string_view>
// after windows.h, which it builds on
#include <commctrl.h>

namespace {

// A fixed frame with a close box and neither minimize nor maximize button; an overlapped window
// without owner has its task-bar button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

// In the order of DropSurface::Label.
constexpr std::array kStatusLabels{"lblFileName", "lblFileSize", "lblFileType"};

const char *labelName(DropSurface::Label label)
{
    return kStatusLabels[static_cast<std::size_t>(label)];
}

// Ctrl+V and Shift+Insert, as an edit box takes them.
bool isPasteKey(WPARAM key)
{
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    return GetKeyState(VK_MENU) >= 0 && ((key == 'V' && control) || (key == VK_INSERT && shift && !control));
}

} // namespace

frmPictavo::frmPictavo(win32::MessageLoop &loop, WORD iconGroup, std::function<void()> showAbout)
    : FormWindow(frmPictavoForm::kWindow, loop), iconGroup_(iconGroup), showAbout_(std::move(showAbout))
{
}

void frmPictavo::create()
{
    FormWindow::create(kStyle, 0);
}

void frmPictavo::onCreate()
{
    setIcons(iconGroup_);
    statusTips_.create(handle());
    for (const char *name : kStatusLabels) {
        const HWND label = control(name);
        statusTips_.add(label);
        showStatusLine(label, text(label), Elision::End);
    }
    onScaled();
    // Every control that can have the focus takes the paste keys; the tag box takes every paste.
    for (const auto &each : frmPictavoForm::kControls)
        if (form::takesFocus(each.kind))
            SetWindowSubclass(control(each.name), &focusableControlProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
    // Registered on the window itself: OLE looks for a target from the window under the pointer
    // up through its parents, so a drop on a control lands here too. Without it the window would
    // be of no use.
    if (const HRESULT result = RegisterDragDrop(handle(), &dropTarget_); FAILED(result))
        win32::endWithFailure("The main window could not accept dropped files", result);
    Form_Load();
}

void frmPictavo::onControl(const form::Control &control, WORD notification)
{
    if (std::string_view(control.name) == "cmdQuit" && notification == BN_CLICKED)
        cmdQuit_Click();
}

void frmPictavo::onMenuItem(const form::MenuItem &item)
{
    if (std::string_view(item.name) == "mnuAboutThis")
        mnuAboutThis_Click();
}

// The size label's font is fitted to its text at the dpi the window is shown at.
void frmPictavo::onScaled()
{
    statusTips_.setMaxWidth(win32::scaled(frmPictavoForm::kWindow.clientSize.width, dpi()));
    fitFileSizeFont(text(control("lblFileSize")));
}

void frmPictavo::onDestroy()
{
    RevokeDragDrop(handle());
    Form_Unload();
}

void frmPictavo::dragOver()
{
    Form_OLEDragOver();
}

// Inside the OLE drop notification: only the file list is kept, and the window woken for it.
void frmPictavo::drop(DroppedFiles paths)
{
    handleLater(std::move(paths));
}

void frmPictavo::openFiles(std::vector<std::filesystem::path> files)
{
    handleLater(std::move(files));
}

void frmPictavo::handleLater(DroppedFiles files)
{
    drops_.add(std::move(files));
    postWakeUp();
}

LRESULT CALLBACK frmPictavo::focusableControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                                      UINT_PTR, DWORD_PTR window)
{
    try {
        if (reinterpret_cast<frmPictavo *>(window)->onFocusableControlMessage(control, message, wParam, lParam))
            return 0;
    } catch (...) {
        win32::endWithCurrentException();
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

// Every paste in the window reaches the tag box as WM_PASTE, which the box's own Ctrl+V sends and
// its menu here too; its own Shift+Insert pastes text without one. Returns true for a message
// handled here, which the control never sees.
bool frmPictavo::onFocusableControlMessage(HWND focusable, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_KEYDOWN: {
        const HWND txtTag = control("txtTag");
        if (!isPasteKey(wParam) || (focusable == txtTag && wParam != VK_INSERT))
            return false;
        SendMessageW(txtTag, WM_PASTE, 0, 0);
        return true;
    }
    case WM_PASTE: return pasteFiles();
    case WM_CONTEXTMENU: {
        if (focusable != control("txtTag"))
            return false;
        const bool canPaste = IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_HDROP);
        win32::showEditMenu(focusable, lParam, canPaste);
        return true;
    }
    case WM_NCDESTROY: RemoveWindowSubclass(focusable, &focusableControlProcedure, 0); return false;
    default: return false;
    }
}

// Files on the clipboard are pasted as a drop of them, also beside text; anything else stays the
// tag box's own text paste.
bool frmPictavo::pasteFiles()
{
    auto files = win32::clipboardFiles(handle());
    if (files.empty())
        return false;
    handleLater(std::move(files));
    return true;
}

void frmPictavo::onWakeUp()
{
    drops_.handleAll([this](const DroppedFiles &files) { Form_OLEDragDrop(files); });
}

void frmPictavo::Form_Load()
{
    setDrawing(frmPictavoForm::loadTimeDrawing(scaleWidth()));
}

void frmPictavo::Form_OLEDragOver()
{
    processor_.releaseImageInfo();
}

void frmPictavo::Form_OLEDragDrop(const DroppedFiles &files)
{
    // The drop target has answered the source already; what the logic leaves in Effect is its own.
    std::int32_t Effect = 0;
    processor_.Form_OLEDragDrop(files, Effect);
}

void frmPictavo::Form_Unload()
{
    processor_.releaseImageInfo();
}

void frmPictavo::cmdQuit_Click()
{
    DestroyWindow(handle());
}

void frmPictavo::mnuAboutThis_Click()
{
    showAbout_();
}

void frmPictavo::setTagText(const std::string &text)
{
    const HWND txtTag = control("txtTag");
    setText(txtTag, text);
    // A tag longer than the box shows its beginning, the file name; the user can still scroll.
    SendMessageW(txtTag, EM_SETSEL, 0, 0);
    SendMessageW(txtTag, EM_SCROLLCARET, 0, 0);
}

void frmPictavo::setLabelCaption(Label label, const std::string &caption, Elision elision)
{
    if (label == Label::FileSize)
        fitFileSizeFont(caption);
    showStatusLine(control(labelName(label)), caption, elision);
}

// A status label shows one line: a caption too long for it loses folders from its middle, keeping
// the file's own name, or its end. Its text, and so what a screen reader reads, and its tool tip
// stay the whole caption.
void frmPictavo::showStatusLine(HWND label, const std::string &caption, Elision elision)
{
    // Before the text, which the label draws at once.
    const DWORD ellipsis = elision == Elision::Path ? SS_PATHELLIPSIS : SS_ENDELLIPSIS;
    SetWindowLongPtrW(label, GWL_STYLE, (GetWindowLongPtrW(label, GWL_STYLE) & ~SS_ELLIPSISMASK) | ellipsis);
    setText(label, caption);
    statusTips_.setText(label, platform::toUtf16(caption));
}

// A size of up to ten digits is shown whole: in a smaller font where the face at this dpi is too
// wide, down to three quarters of its size, as the window's fixed texts are. Measured in the face
// it is shown in, it needs no room to spare.
void frmPictavo::fitFileSizeFont(const std::string &caption)
{
    const form::Font fitted = fontFitting("lblFileSize", platform::toUtf16(caption), win32::ShownIn::MeasuredFace);
    auto font = win32::createDialogFont(fitted, dpi());
    SendMessageW(control("lblFileSize"), WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    fileSizeFont_ = std::move(font);
}

bool frmPictavo::setClipboardText(const std::string &text)
{
    return win32::setClipboardText(handle(), platform::toUtf16(text));
}

void frmPictavo::showErrorMessage(const std::string &text, const std::string &title)
{
    win32::showMessageBox(handle(), text, title, MB_ICONEXCLAMATION);
}

void frmPictavo::focusWindow()
{
    // Every accepted file asks for the focus; a window that has it already is left alone.
    if (GetForegroundWindow() != handle())
        SetForegroundWindow(handle());
}
