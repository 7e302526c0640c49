#pragma once

#include "Handles.h"
#include "LinkLauncher.h"
#include "SysInfoLauncher.h"
#include "frmAboutForm.h"

#include <memory>
#include <windows.h>

class frmAbout;
namespace win32 {
class MessageLoop;
}

// Holds the program's one About window. Showing it loads a new window when none is open and
// otherwise only brings the open one to the front; a closed window is gone, so the next showing
// loads it afresh. The window has an owner of its own that is never shown, not the main window,
// so either window can be in front of the other.
class AboutWindowSlot {
public:
    // Everything passed by reference is owned by the caller and outlives the slot.
    AboutWindowSlot(win32::MessageLoop &loop, LinkLauncher &links, SysInfoLauncher &sysInfo,
                    frmAboutForm::ApplicationIdentity application);
    ~AboutWindowSlot();
    AboutWindowSlot(const AboutWindowSlot &) = delete;
    AboutWindowSlot &operator=(const AboutWindowSlot &) = delete;

    void show();

private:
    HWND hiddenOwner();

    win32::MessageLoop &loop_;
    LinkLauncher &links_;
    SysInfoLauncher &sysInfo_;
    frmAboutForm::ApplicationIdentity application_;
    // Declared before the window it owns, so that it goes after it.
    win32::unique_hwnd hiddenOwner_;
    std::unique_ptr<frmAbout> window_;
};
