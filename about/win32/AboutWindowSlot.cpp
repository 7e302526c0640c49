#include "AboutWindowSlot.h"

#include "frmAbout.h"

AboutWindowSlot::AboutWindowSlot(win32::MessageLoop &loop, LinkLauncher &links, SysInfoLauncher &sysInfo,
                                 frmAboutForm::ApplicationIdentity application, HICON programIcon)
    : loop_(loop), links_(links), sysInfo_(sysInfo), application_(std::move(application)), programIcon_(programIcon)
{
}

AboutWindowSlot::~AboutWindowSlot() = default;

void AboutWindowSlot::show()
{
    if (!window_ || !window_->isOpen()) {
        // A closed window's object stays until here: it cannot go while the window procedure
        // that closed it is still running.
        window_ = std::make_unique<frmAbout>(loop_, links_, sysInfo_, application_, programIcon_);
        window_->create();
    }
    window_->show();
}
