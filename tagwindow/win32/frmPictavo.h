#pragma once

#include "DropProcessor.h"
#include "DropQueue.h"
#include "DropSurface.h"
#include "DropTarget.h"
#include "FormWindow.h"
#include "LabelToolTips.h"

#include <functional>

// The main window on Win32: a fixed 378 x 229 client area under a one-item menu bar, three
// status labels, the tag box and Quit. Files dropped anywhere on it, the tag box included, go
// to the drop logic, which publishes its results back through the DropSurface calls; so do files
// pasted anywhere in it and the files the program was started with. The drop logic runs from the
// window's own message queue, never inside the OLE drop notification or the paste: its message
// boxes would keep the drag source waiting, or run inside the edit box's own paste.
class frmPictavo : public win32::FormWindow, public DropSurface, private win32::FileDropReceiver {
public:
    // showAbout runs when "This Utility" is chosen; iconGroup is the program icon's resource.
    frmPictavo(win32::MessageLoop &loop, WORD iconGroup, std::function<void()> showAbout);

    // Creates the window, hidden.
    void create();
    // Handles the files as one drop once the window's message queue gets to it.
    void openFiles(std::vector<std::filesystem::path> files);

    void setTagText(const std::string &text) override;
    void setLabelCaption(Label label, const std::string &caption, Elision elision) override;
    bool setClipboardText(const std::string &text) override;
    void showErrorMessage(const std::string &text, const std::string &title) override;
    void focusWindow() override;
    bool windowClosed() const override { return !isOpen(); }

private:
    void onCreate() override;
    void onControl(const form::Control &control, WORD notification) override;
    void onMenuItem(const form::MenuItem &item) override;
    void onScaled() override;
    void onDestroy() override;
    void onWakeUp() override;
    void dragOver() override;
    void drop(DroppedFiles paths) override;
    void handleLater(DroppedFiles files);

    static LRESULT CALLBACK focusableControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                                      UINT_PTR, DWORD_PTR window);
    bool onFocusableControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam);
    bool pasteFiles();

    void showStatusLine(HWND label, const std::string &caption, Elision elision);
    void fitFileSizeFont(const std::string &caption);

    void Form_Load();
    void Form_OLEDragOver();
    void Form_OLEDragDrop(const DroppedFiles &files);
    void Form_Unload();
    void cmdQuit_Click();
    void mnuAboutThis_Click();

    WORD iconGroup_;
    std::function<void()> showAbout_;
    DropProcessor processor_{*this};
    DropQueue drops_;
    win32::DropTarget dropTarget_{*this};
    win32::LabelToolTips statusTips_;
    win32::unique_hfont fileSizeFont_;
};
