#pragma once

#include "FormWindow.h"
#include "LinkLauncher.h"
#include "SysInfoLauncher.h"
#include "frmAboutForm.h"

#include <cstdint>

// The About window on Win32: the program's icon, title and version, a description, a
// disclaimer, a copyright line, two links and the button that starts the system information
// program. A dialog frame, owned by a hidden window so that it has no task-bar button while the
// main window can still cover it; closing it destroys it.
class frmAbout : public win32::FormWindow {
public:
    // Everything passed in is owned by the caller and outlives the window.
    frmAbout(win32::MessageLoop &loop, LinkLauncher &links, SysInfoLauncher &sysInfo,
             const frmAboutForm::ApplicationIdentity &application);

    // Creates the window, hidden and owned by owner, and runs its load steps.
    void create(HWND owner);

private:
    void onCreate() override;
    void onScaled() override;
    void onControl(const form::Control &control, WORD notification) override;
    void onLinkClicked(const form::Control &control) override;
    void onDrawItem(const form::Control &control, const DRAWITEMSTRUCT &item) override;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void lblLinks_Click(std::int16_t Index);

    LinkLauncher &links_;
    SysInfoLauncher &sysInfo_;
    const frmAboutForm::ApplicationIdentity &application_;
    win32::unique_hicon programIcon_;
};
