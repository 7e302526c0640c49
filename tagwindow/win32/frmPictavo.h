#pragma once

#include "DropProcessor.h"
#include "DropQueue.h"
#include "DropSurface.h"
#include "DropTarget.h"
#include "FormWindow.h"

#include <functional>

// The main window on Win32: a fixed 378 x 229 client area under a one-item menu bar, three
// status labels, the tag box and Quit. Files dropped anywhere on it, the tag box included, go
// to the drop logic, which publishes its results back through the DropSurface calls. The drop
// logic runs from the window's own message queue, never inside the OLE drop notification: its
// message boxes would keep the drag source waiting.
class frmPictavo : public win32::FormWindow, public DropSurface, private win32::FileDropReceiver {
public:
    // showAbout runs when "This Utility" is chosen; iconGroup is the program icon's resource.
    frmPictavo(win32::MessageLoop &loop, WORD iconGroup, std::function<void()> showAbout);

    // Creates the window, hidden.
    void create();

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
    void onDestroy() override;
    void onWakeUp() override;
    void dragOver() override;
    void drop(std::vector<std::filesystem::path> paths) override;

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
};
