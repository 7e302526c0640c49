#include "frmPictavo.h"

#include "Clipboard.h"
#include "MessageBoxes.h"
#include "Utf16.h"
#include "frmPictavoForm.h"

#include <string_view>

namespace {

// A fixed frame with a close box and neither minimize nor maximize button; an overlapped window
// without owner has its task-bar button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;

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
void frmPictavo::drop(std::vector<std::filesystem::path> paths)
{
    drops_.add(std::move(paths));
    postWakeUp();
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

void frmPictavo::setLabelCaption(Label label, const std::string &caption, Elision)
{
    const char *name = "";
    switch (label) {
    case Label::FileName: name = "lblFileName"; break;
    case Label::FileSize: name = "lblFileSize"; break;
    case Label::FileType: name = "lblFileType"; break;
    }
    setText(control(name), caption);
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
