#pragma once

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
// loads it afresh.
class AboutWindowSlot {
public:
    // Everything passed by reference is owned by the caller and outlives the slot.
    AboutWindowSlot(win32::MessageLoop &loop, LinkLauncher &links, SysInfoLauncher &sysInfo,
                    frmAboutForm::ApplicationIdentity application, HICON programIcon);
    ~AboutWindowSlot();
    AboutWindowSlot(const AboutWindowSlot &) = delete;
    AboutWindowSlot &operator=(const AboutWindowSlot &) = delete;

    void show();

private:
    win32::MessageLoop &loop_;
    LinkLauncher &links_;
    SysInfoLauncher &sysInfo_;
    frmAboutForm::ApplicationIdentity application_;
    HICON programIcon_;
    std::unique_ptr<frmAbout> window_;
};
