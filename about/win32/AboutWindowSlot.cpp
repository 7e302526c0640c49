#include "AboutWindowSlot.h"

#include "MessageBoxes.h"
#include "frmAbout.h"

AboutWindowSlot::AboutWindowSlot(win32::MessageLoop &loop, LinkLauncher &links, SysInfoLauncher &sysInfo,
                                 frmAboutForm::ApplicationIdentity application)
    : loop_(loop), links_(links), sysInfo_(sysInfo), application_(std::move(application))
{
}

AboutWindowSlot::~AboutWindowSlot() = default;

void AboutWindowSlot::show()
{
    if (!window_ || !window_->isOpen()) {
        // A closed window's object stays until here: it cannot go while the window procedure
        // that closed it is still running.
        window_ = std::make_unique<frmAbout>(loop_, links_, sysInfo_, application_);
        window_->create(hiddenOwner());
    }
    window_->show();
}

// A window of the program that is never shown and is not one of the message loop's: the task
// bar leaves out a window with an owner, and the program still ends with its last visible window.
HWND AboutWindowSlot::hiddenOwner()
{
    if (!hiddenOwner_) {
        hiddenOwner_.reset(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                           GetModuleHandleW(nullptr), nullptr));
        if (!hiddenOwner_)
            win32::endWithFailure("The About window could not be created");
    }
    return hiddenOwner_.get();
}
